#include "winapi/user32.h"

#include <unordered_map>

#include "os/cursor.h"
#include "os/service.h"
#include "winapi/emulation/device_context.h"

namespace corvane::platform {

namespace {
WindowService& Windows() { return Service<WindowService>::Get(); }

// Styles the program set on windows, by handle; others are derived from the window's place.
std::unordered_map<HWND, LONG>& StoredStyles() {
  static std::unordered_map<HWND, LONG> styles;
  return styles;
}

}  // namespace

HWND FindWindowA(const char* class_name, const char* caption) {
  if (class_name != nullptr || caption == nullptr) return 0;
  return Windows().FindTopLevel(caption);
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  if (rect == nullptr) return 0;
  *rect = Windows().ScreenRect(window);
  return Windows().Exists(window) ? 1 : 0;
}

LONG GetWindowLongA(HWND window, int index) {
  if (index != kGwlStyle || !Windows().Exists(window)) return 0;
  if (auto it = StoredStyles().find(window); it != StoredStyles().end()) return it->second;
  return Windows().Parent(window) != 0 ? kWsChild | kWsVisible : kWsPopup | kWsVisible;
}

LONG SetWindowLongA(HWND window, int index, LONG value) {
  if (index != kGwlStyle || !Windows().Exists(window)) return 0;
  const LONG previous = GetWindowLongA(window, index);
  // Styles of windows that have gone since are forgotten here, so the table never outgrows the
  // windows that exist.
  std::erase_if(StoredStyles(), [](const auto& entry) { return !Windows().Exists(entry.first); });
  StoredStyles()[window] = value;
  return previous;
}

HWND SetParent(HWND child, HWND new_parent) {
  WindowService& windows = Windows();
  if (!windows.Exists(child)) return 0;
  const HWND previous = windows.Parent(child);
  if (!windows.Reparent(child, new_parent)) return 0;
  // Windows returns the desktop for a window that had no parent.
  return previous != 0 ? previous : windows.Desktop();
}

HWND GetWindow(HWND window, UINT command) {
  if (command != kGwOwner) return 0;
  return Windows().Owner(window);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM, LPARAM) {
  if (message != kWmClose) return 0;
  return Windows().RequestClose(window) ? 1 : 0;
}

int ShowCursor(BOOL show) { return Service<CursorService>::Get().ChangeDisplayCount(show != 0); }

BOOL SetWindowPos(HWND window, HWND insert_after, int, int, int, int, UINT flags) {
  const UINT kKeepPlace = kSwpNoSize | kSwpNoMove;
  if (insert_after != kHwndTopmost || (flags & kKeepPlace) != kKeepPlace) return 0;
  if (!Windows().Exists(window)) return 0;
  Windows().MakeTopmost(window);
  return 1;
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) return 0;
  return Windows().PointerPosition(*point) ? 1 : 0;
}

HWND WindowFromPoint(POINT point) { return Windows().WindowFromPoint(point); }

HWND GetDesktopWindow() { return Windows().Desktop(); }

HDC GetDC(HWND window) {
  if (window == 0 || window != Windows().Desktop()) return 0;
  return gfx::DeviceContexts::RegisterScreen();
}

int ReleaseDC(HWND, HDC hdc) {
  if (gfx::DeviceContexts::Lookup(hdc) != nullptr || !gfx::DeviceContexts::IsScreen(hdc)) return 0;
  gfx::DeviceContexts::Release(hdc);
  return 1;
}

BOOL DrawAnimatedRects(HWND, int animation, const RECT* from, const RECT* to) {
  if (animation != kIdaniCaption || from == nullptr || to == nullptr) return 0;
  Windows().AnimateOutline(*from, *to);
  return 1;
}

int GetSystemMetrics(int index) {
  const Size screen = Windows().ScreenSize();
  if (index == kSmCxScreen) return screen.width;
  if (index == kSmCyScreen) return screen.height;
  return 0;
}

}  // namespace corvane::platform
