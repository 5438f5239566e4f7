#include "winapi/gdi32.h"

#include "gfx/blit.h"
#include "gfx/gradient.h"
#include "gfx/pixel_access.h"
#include "gfx/shapes.h"
#include "gfx/stretch_blit.h"
#include "os/capture.h"
#include "os/service.h"
#include "winapi/emulation/device_context.h"

namespace corvane::platform {

namespace {
bool CaptureInto(gfx::Surface& dst, int x, int y, int width, int height, int src_x, int src_y) {
  if (width <= 0 || height <= 0) return false;
  return Service<CaptureService>::Get().CaptureScreen(
      Rect{src_x, src_y, src_x + width, src_y + height}, dst, x, y);
}
}  // namespace

int BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
           std::uint32_t rop) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  if (target == nullptr || rop != kSrcCopy) return 0;
  if (gfx::DeviceContexts::IsScreen(src))
    return CaptureInto(*target, x, y, width, height, src_x, src_y) ? 1 : 0;
  const gfx::Surface* source = gfx::DeviceContexts::Lookup(src);
  if (source == nullptr) return 0;
  gfx::Blit(*target, x, y, width, height, *source, src_x, src_y);
  // A copy clipped to nothing is still a successful call on the original platform.
  return 1;
}

int CopyHostPicture(HDC dst, HWND host) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  if (target == nullptr) return 0;
  return Service<CaptureService>::Get().CaptureHostPicture(host, *target) ? 1 : 0;
}

int StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
               int src_width, int src_height, std::uint32_t rop) {
  gfx::Surface* target = gfx::DeviceContexts::Lookup(dst);
  const gfx::Surface* source = gfx::DeviceContexts::Lookup(src);
  if (target == nullptr || source == nullptr || rop != kSrcCopy) return 0;
  gfx::StretchBlit(*target, x, y, width, height, *source, src_x, src_y, src_width, src_height);
  return 1;
}

void SelectPen(HDC hdc, gfx::Pen pen) { gfx::DeviceContexts::SelectPen(hdc, pen); }

void SelectBrush(HDC hdc, gfx::Brush brush) { gfx::DeviceContexts::SelectBrush(hdc, brush); }

int Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  gfx::DrawRectangle(*surface, gfx::Rect{left, top, right, bottom}, gfx::DeviceContexts::PenOf(hdc),
                     gfx::DeviceContexts::BrushOf(hdc));
  return 1;
}

int RoundRect(HDC hdc, int left, int top, int right, int bottom, int corner_width,
              int corner_height) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  gfx::DrawRoundRect(*surface, gfx::Rect{left, top, right, bottom}, corner_width, corner_height,
                     gfx::DeviceContexts::PenOf(hdc), gfx::DeviceContexts::BrushOf(hdc));
  return 1;
}

gfx::ColorRef GetPixel(HDC hdc, int x, int y) {
  const gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return gfx::kInvalidColor;
  return gfx::GetPixel(*surface, x, y);
}

int SetPixelV(HDC hdc, int x, int y, gfx::ColorRef color) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr) return 0;
  return gfx::SetPixel(*surface, x, y, color) ? 1 : 0;
}

int GradientFill(HDC hdc, const TriVertex* vertices, std::uint32_t vertex_count,
                 const GradientRect* rects, std::uint32_t rect_count, std::uint32_t mode) {
  gfx::Surface* surface = gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr || vertices == nullptr || rects == nullptr || mode != kGradientFillRectV) {
    return 0;
  }
  for (std::uint32_t i = 0; i < rect_count; ++i) {
    if (rects[i].upper_left >= vertex_count || rects[i].lower_right >= vertex_count) return 0;
  }
  auto to_gfx = [](const TriVertex& v) {
    return gfx::GradientVertex{v.x, v.y, v.red, v.green, v.blue};
  };
  for (std::uint32_t i = 0; i < rect_count; ++i) {
    gfx::FillGradientV(*surface, to_gfx(vertices[rects[i].upper_left]),
                       to_gfx(vertices[rects[i].lower_right]));
  }
  return 1;
}

}  // namespace corvane::platform
