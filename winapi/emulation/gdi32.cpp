#include "winapi/gdi32.h"

#include <cmath>

#include "gfx/blit.h"
#include "gfx/gradient.h"
#include "gfx/pixel_access.h"
#include "gfx/shapes.h"
#include "gfx/stretch_blit.h"
#include "os/capture.h"
#include "os/service.h"
#include "os/window.h"
#include "winapi/emulation/device_context.h"

namespace corvane::platform {

namespace {
bool CaptureInto(gfx::Surface& dst, int x, int y, int width, int height, int src_x, int src_y) {
  if (width <= 0 || height <= 0) return false;
  return Service<CaptureService>::Get().CaptureScreen(
      Rect{src_x, src_y, src_x + width, src_y + height}, dst, x, y);
}
}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
            DWORD rop) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  if (target == nullptr || rop != kSrcCopy) return 0;
  if (gfx::DeviceContexts::IsScreen(src))
    return CaptureInto(*target, x, y, width, height, src_x, src_y) ? 1 : 0;
  const gfx::Surface* source = gfx::DeviceContexts::Lookup(src);
  if (source == nullptr) return 0;
  gfx::Blit(*target, x, y, width, height, *source, src_x, src_y);
  // A copy clipped to nothing is still a successful call on Windows.
  return 1;
}

ViewSelection::ViewSelection(HDC hdc, gfx::Surface* view)
    : hdc_(hdc), previous_(gfx::DeviceContexts::Select(hdc, view)) {}

ViewSelection::~ViewSelection() {
  if (previous_ != nullptr) gfx::DeviceContexts::Select(hdc_, previous_);
}

BOOL CopyHostPicture(HDC dst, HWND host) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  if (target == nullptr) return 0;
  return Service<CaptureService>::Get().CaptureHostPicture(host, *target) ? 1 : 0;
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
                int src_width, int src_height, DWORD rop) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  const gfx::Surface* source = gfx::DeviceContexts::Lookup(src);
  if (target == nullptr || source == nullptr || rop != kSrcCopy) return 0;
  gfx::StretchBlit(*target, x, y, width, height, *source, src_x, src_y, src_width, src_height);
  return 1;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  gfx::DrawRectangle(*surface, gfx::Rect{left, top, right, bottom}, gfx::DeviceContexts::PenOf(hdc),
                     gfx::DeviceContexts::BrushOf(hdc));
  return 1;
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int corner_width,
               int corner_height) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  gfx::DrawRoundRect(*surface, gfx::Rect{left, top, right, bottom}, corner_width, corner_height,
                     gfx::DeviceContexts::PenOf(hdc), gfx::DeviceContexts::BrushOf(hdc));
  return 1;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  const gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return gfx::kInvalidColor;
  return gfx::GetPixel(*surface, x, y);
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  return gfx::SetPixel(*surface, x, y, color) ? 1 : 0;
}

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertex_count, const void* mesh,
                  ULONG mesh_count, ULONG mode) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
  if (surface == nullptr || vertices == nullptr || rects == nullptr || mode != kGradientFillRectV) {
    return 0;
  }
  for (ULONG i = 0; i < mesh_count; ++i) {
    if (rects[i].UpperLeft >= vertex_count || rects[i].LowerRight >= vertex_count) return 0;
  }
  auto to_gfx = [](const TRIVERTEX& v) {
    return gfx::GradientVertex{v.x, v.y, v.Red, v.Green, v.Blue};
  };
  for (ULONG i = 0; i < mesh_count; ++i) {
    gfx::FillGradientV(*surface, to_gfx(vertices[rects[i].UpperLeft]),
                       to_gfx(vertices[rects[i].LowerRight]));
  }
  return 1;
}

int GetDeviceCaps(HDC hdc, int index) {
  const bool live =
      gfx::DeviceContexts::Lookup(hdc) != nullptr || gfx::DeviceContexts::IsScreen(hdc);
  if (!live || (index != kLogPixelsX && index != kLogPixelsY)) return 0;
  return static_cast<int>(std::lround(Service<WindowService>::Get().Dpi()));
}

}  // namespace corvane::platform
