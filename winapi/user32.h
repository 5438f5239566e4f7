#pragma once

#include "winapi/windef.h"

// The window operations the program calls by their Windows names. Results follow Windows:
// nonzero for success. Text is UTF-8.
namespace corvane::platform {

inline constexpr int kGwlStyle = -16;
inline constexpr LONG kWsChild = 0x40000000;
inline constexpr LONG kWsVisible = 0x10000000;
inline constexpr LONG kWsPopup = static_cast<LONG>(0x80000000u);
inline constexpr UINT kGwOwner = 4;
inline constexpr UINT kWmClose = 0x0010;
inline constexpr HWND kHwndTopmost = static_cast<HWND>(-1);
inline constexpr UINT kSwpNoSize = 0x0001;
inline constexpr UINT kSwpNoMove = 0x0002;
inline constexpr UINT kSwpNoActivate = 0x0010;
inline constexpr int kIdaniCaption = 3;
inline constexpr int kSmCxScreen = 0;
inline constexpr int kSmCyScreen = 1;

// A top-level window whose caption is exactly caption; class_name must be null (any class).
HWND FindWindowA(const char* class_name, const char* caption);
// The window's outer rectangle in screen pixels; a zero rectangle and 0 when it does not exist.
BOOL GetWindowRect(HWND window, RECT* rect);
LONG GetWindowLongA(HWND window, int index);
// Returns the previous value. Adding kWsChild to a window of ours prepares it to live inside
// another window; the move itself is SetParent.
LONG SetWindowLongA(HWND window, int index, LONG value);
// Returns the previous parent (the desktop for a top-level window), or 0 on failure.
HWND SetParent(HWND child, HWND new_parent);
HWND GetWindow(HWND window, UINT command);
// Only kWmClose is delivered.
BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Lowers (show = FALSE) or raises the display count by one and returns the new count; the pointer
// is hidden over the program's windows while the count is below 0. The count starts at 0.
int ShowCursor(BOOL show);
// Only the topmost placement without moving or sizing is supported (kSwpNoMove | kSwpNoSize).
BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, UINT flags);
BOOL GetCursorPos(POINT* point);
HWND WindowFromPoint(POINT point);
HWND GetDesktopWindow();
// A device context for the whole screen when window is the desktop, for capture with BitBlt and
// for GetDeviceCaps; 0 for any other window. Valid until ReleaseDC.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC hdc);
// Only kIdaniCaption animates; the outline has finished when it returns.
BOOL DrawAnimatedRects(HWND window, int animation, const RECT* from, const RECT* to);
// kSmCxScreen and kSmCyScreen: the screen's size in pixels; 0 for other indexes.
int GetSystemMetrics(int index);

}  // namespace corvane::platform
