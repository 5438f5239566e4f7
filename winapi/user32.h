#pragma once

#include <cstdint>

#include "os/geometry.h"
#include "os/window.h"
#include "winapi/windef.h"

// The window operations the program calls by their original names, over the installed window,
// cursor and capture services. Results follow the original platform: nonzero for success.
namespace corvane::platform {

using gfx::HDC;

inline constexpr int kGwlStyle = -16;
inline constexpr std::int32_t kWsChild = 0x40000000;
inline constexpr std::int32_t kWsVisible = 0x10000000;
inline constexpr std::int32_t kWsPopup = static_cast<std::int32_t>(0x80000000u);
inline constexpr unsigned kGwOwner = 4;
inline constexpr unsigned kWmClose = 0x0010;
inline constexpr HWND kHwndTopmost = static_cast<HWND>(-1);
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoActivate = 0x0010;
inline constexpr int kIdaniCaption = 3;

// A top-level window whose caption is exactly caption; class_name must be null (any class).
HWND FindWindowA(const char* class_name, const char* caption);
// The window's outer rectangle in screen pixels; a zero rectangle and 0 when it does not exist.
int GetWindowRect(HWND window, Rect* rect);
std::int32_t GetWindowLongA(HWND window, int index);
// Returns the previous value. Adding kWsChild to a window of ours prepares it to live inside
// another window; the move itself is SetParent.
std::int32_t SetWindowLongA(HWND window, int index, std::int32_t value);
// Returns the previous parent (0 for a top-level window), or 0 on failure.
HWND SetParent(HWND child, HWND new_parent);
HWND GetWindow(HWND window, unsigned command);
int PostMessageA(HWND window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
// Lowers (show = 0) or raises the display count by one and returns the new count; the pointer is
// hidden over the program's windows while the count is below 0. The count starts at 0.
int ShowCursor(int show);
// Only the topmost placement without moving, sizing or activating is supported (flags 0x13).
int SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, unsigned flags);
int GetCursorPos(Point* point);
HWND WindowFromPoint(Point point);
HWND GetDesktopWindow();
// A device context for the whole screen when window is the desktop, for capture with BitBlt;
// 0 for any other window. Valid until ReleaseDC.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC hdc);
// Only kIdaniCaption animates; the outline has finished when it returns.
int DrawAnimatedRects(HWND window, int animation, const Rect* from, const Rect* to);

// The screen's size in pixels and its twips-per-pixel factors (1440 / dpi).
Size ScreenSizePixels();
float TwipsPerPixelX();
float TwipsPerPixelY();

}  // namespace corvane::platform
