// What the window service answers about any window, and how it puts pixels on ours.

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/animated_outline.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_service.h"

namespace corvane::platform::win32 {

namespace {
constexpr double kDefaultDpi = 96.0;
}  // namespace

bool Win32WindowService::Exists(HWND window) {
  return window != 0 && IsWindow(ToNative<::HWND>(window)) != FALSE;
}

Rect Win32WindowService::ScreenRect(HWND window) {
  RECT r{};
  if (window == 0 || !GetWindowRect(ToNative<::HWND>(window), &r)) return {};
  return Rect{r.left, r.top, r.right, r.bottom};
}

HWND Win32WindowService::Parent(HWND window) {
  if (!Exists(window)) return 0;
  // The parent, never the owner (which GetParent gives for a top-level window); the desktop
  // stands for none.
  const ::HWND parent = GetAncestor(ToNative<::HWND>(window), GA_PARENT);
  return parent == GetDesktopWindow() ? 0 : FromNative(parent);
}

HWND Win32WindowService::Owner(HWND window) {
  if (!Exists(window)) return 0;
  return FromNative(GetWindow(ToNative<::HWND>(window), GW_OWNER));
}

HWND Win32WindowService::FindTopLevel(std::string_view caption) {
  return FromNative(FindWindowW(nullptr, Widen(caption).c_str()));
}

HWND Win32WindowService::WindowFromPoint(Point screen) {
  return FromNative(::WindowFromPoint(POINT{screen.x, screen.y}));
}

bool Win32WindowService::RequestClose(HWND window) {
  // Posted, so that ours see it after the handler that asked has returned.
  return window != 0 && PostMessageW(ToNative<::HWND>(window), WM_CLOSE, 0, 0) != FALSE;
}

bool Win32WindowService::PointerPosition(Point& screen) {
  POINT at{};
  if (!GetCursorPos(&at)) return false;
  screen = Point{at.x, at.y};
  return true;
}

HWND Win32WindowService::Desktop() { return FromNative(GetDesktopWindow()); }

Size Win32WindowService::ScreenSize() {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

double Win32WindowService::Dpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kDefaultDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

std::optional<gfx::Surface> Win32WindowService::CreateImage(int width, int height) {
  // GDI copies from any memory of our pixel layout as fast as from a bitmap of its own, so an
  // ordinary surface serves.
  return gfx::Surface::Create(width, height);
}

void Win32WindowService::Present(HWND window, const gfx::Surface& surface, const Rect& area) {
  if (!IsOwn(window) || surface.empty()) return;
  const Rect clipped = area.Intersect(Rect{0, 0, surface.width(), surface.height()});
  if (clipped.Empty()) return;
  // A surface's pixels are a top-down 32-bit DIB of our layout (B, G, R, unused in memory), as
  // wide as its pitch. Rows that do not end on a whole pixel are copied to rows that do.
  const gfx::Pixel* rows = surface.Row(clipped.top);
  int row_pixels = surface.pitch() / static_cast<int>(sizeof(gfx::Pixel));
  std::vector<gfx::Pixel> packed;
  if (surface.pitch() % static_cast<int>(sizeof(gfx::Pixel)) != 0) {
    row_pixels = surface.width();
    packed.resize(static_cast<size_t>(row_pixels) * static_cast<size_t>(clipped.Height()));
    for (int y = 0; y < clipped.Height(); ++y) {
      std::memcpy(&packed[static_cast<size_t>(y) * static_cast<size_t>(row_pixels)],
                  surface.Row(clipped.top + y),
                  static_cast<size_t>(row_pixels) * sizeof(gfx::Pixel));
    }
    rows = packed.data();
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = row_pixels;
  info.bmiHeader.biHeight = -clipped.Height();  // Top-down.
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const ::HWND hwnd = ToNative<::HWND>(window);
  HDC dc = GetDC(hwnd);
  if (dc == nullptr) return;
  SetDIBitsToDevice(dc, clipped.left, clipped.top, static_cast<DWORD>(clipped.Width()),
                    static_cast<DWORD>(clipped.Height()), clipped.left, 0, 0,
                    static_cast<UINT>(clipped.Height()), rows, &info, DIB_RGB_COLORS);
  ReleaseDC(hwnd, dc);
}

void Win32WindowService::AnimateOutline(const Rect& from, const Rect& to) {
  win32::AnimateOutline(from, to);
}

}  // namespace corvane::platform::win32
