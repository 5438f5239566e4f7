// The window calls of the API subset, forwarded to the system's own.

#include "winapi/user32.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform {

using win32::FromNative;
using win32::ToNative;

HWND FindWindowA(const char* class_name, const char* caption) {
  const std::wstring wide_class = class_name != nullptr ? win32::Widen(class_name) : L"";
  const std::wstring wide_caption = caption != nullptr ? win32::Widen(caption) : L"";
  return FromNative(::FindWindowW(class_name != nullptr ? wide_class.c_str() : nullptr,
                                  caption != nullptr ? wide_caption.c_str() : nullptr));
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  if (rect == nullptr) return 0;
  ::RECT native{};
  const BOOL result = ::GetWindowRect(ToNative<::HWND>(window), &native);
  *rect = RECT{native.left, native.top, native.right, native.bottom};
  return result;
}

LONG GetWindowLongA(HWND window, int index) {
  return ::GetWindowLongW(ToNative<::HWND>(window), index);
}

LONG SetWindowLongA(HWND window, int index, LONG value) {
  return ::SetWindowLongW(ToNative<::HWND>(window), index, value);
}

HWND SetParent(HWND child, HWND new_parent) {
  return FromNative(::SetParent(ToNative<::HWND>(child), ToNative<::HWND>(new_parent)));
}

HWND GetWindow(HWND window, UINT command) {
  return FromNative(::GetWindow(ToNative<::HWND>(window), command));
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::PostMessageW(ToNative<::HWND>(window), message, wparam, lparam);
}

int ShowCursor(BOOL show) { return ::ShowCursor(show); }

BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(ToNative<::HWND>(window), ToNative<::HWND>(insert_after), x, y, cx, cy,
                        flags);
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return 0;
  ::POINT native{};
  if (!::GetCursorPos(&native)) return 0;
  *point = POINT{native.x, native.y};
  return 1;
}

HWND WindowFromPoint(POINT point) {
  return FromNative(::WindowFromPoint(::POINT{point.x, point.y}));
}

HWND GetDesktopWindow() { return FromNative(::GetDesktopWindow()); }

HDC GetDC(HWND window) { return FromNative(::GetDC(ToNative<::HWND>(window))); }

int ReleaseDC(HWND window, HDC hdc) {
  return ::ReleaseDC(ToNative<::HWND>(window), ToNative<::HDC>(hdc));
}

BOOL DrawAnimatedRects(HWND window, int animation, const RECT* from, const RECT* to) {
  if (from == nullptr || to == nullptr) return 0;
  const ::RECT native_from{from->left, from->top, from->right, from->bottom};
  const ::RECT native_to{to->left, to->top, to->right, to->bottom};
  return ::DrawAnimatedRects(ToNative<::HWND>(window), animation, &native_from, &native_to);
}

int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

}  // namespace corvane::platform
