// Memory device contexts and the bitmaps selected into them. A bitmap's pixels come from the window
// service, which makes images it can show without a copy; a context draws on the bitmap selected
// into it through the device-context table.

#include <optional>
#include <unordered_map>
#include <utility>

#include "os/service.h"
#include "os/window.h"
#include "winapi/emulation/device_context.h"
#include "winapi/gdi32.h"

namespace corvane::platform {

namespace {

struct Bitmaps {
  // Node-based, so a bitmap's surface keeps its address while the contexts point at it.
  std::unordered_map<HBITMAP, gfx::Surface> surfaces;
  // The bitmap selected into each memory context.
  std::unordered_map<HDC, HBITMAP> selected;
  gfx::Surface stock = *gfx::Surface::Create(1, 1);
  // Handles start high so that small integers passed by mistake name nothing, and apart from the
  // device contexts' so that a context's handle is never taken for a bitmap's.
  HBITMAP next = 0x40000000;

  bool IsSelected(HBITMAP bitmap) const {
    for (const auto& [hdc, selected_bitmap] : selected) {
      if (selected_bitmap == bitmap) return true;
    }
    return false;
  }
};

constexpr HBITMAP kStockBitmap = 0x3FFFFFFF;

Bitmaps& TheBitmaps() {
  static Bitmaps bitmaps;
  return bitmaps;
}

gfx::Surface* SurfaceOf(HBITMAP bitmap) {
  Bitmaps& bitmaps = TheBitmaps();
  if (bitmap == kStockBitmap) return &bitmaps.stock;
  const auto found = bitmaps.surfaces.find(bitmap);
  return found == bitmaps.surfaces.end() ? nullptr : &found->second;
}

}  // namespace

HDC CreateCompatibleDC(HDC /*reference*/) {
  const HDC hdc = gfx::DeviceContexts::Register(&TheBitmaps().stock);
  TheBitmaps().selected.emplace(hdc, kStockBitmap);
  return hdc;
}

int DeleteDC(HDC hdc) {
  if (TheBitmaps().selected.erase(hdc) == 0) return 0;
  gfx::DeviceContexts::Release(hdc);
  return 1;
}

HBITMAP CreateDIBSection(HDC /*hdc*/, const BitmapInfo* info, std::uint32_t usage, void** bits,
                         std::uintptr_t section, std::uint32_t /*offset*/) {
  if (bits == nullptr) return 0;
  *bits = nullptr;
  if (info == nullptr || usage != kDibRgbColors || section != 0) return 0;
  const BitmapInfoHeader& header = info->header;
  if (header.bit_count != 32 || header.compression != kBiRgb || header.planes != 1 ||
      header.width <= 0 || header.height >= 0) {
    return 0;
  }
  std::optional<gfx::Surface> image =
      Service<WindowService>::Get().CreateImage(header.width, -header.height);
  // The caller steps through the rows at width * 4 bytes, as a bitmap of this format is laid out.
  if (image && image->pitch() != header.width * 4) {
    Service<WindowService>::Get().ReleaseImage(*image);
    image = gfx::Surface::Create(header.width, -header.height);
  }
  if (!image) return 0;
  Bitmaps& bitmaps = TheBitmaps();
  const HBITMAP bitmap = bitmaps.next++;
  gfx::Surface& surface = bitmaps.surfaces.emplace(bitmap, std::move(*image)).first->second;
  *bits = surface.Row(0);
  return bitmap;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  Bitmaps& bitmaps = TheBitmaps();
  const auto context = bitmaps.selected.find(hdc);
  gfx::Surface* surface = SurfaceOf(object);
  if (context == bitmaps.selected.end() || surface == nullptr) return 0;
  gfx::DeviceContexts::Select(hdc, surface);
  const HBITMAP previous = context->second;
  context->second = object;
  return previous;
}

int DeleteObject(HGDIOBJ object) {
  Bitmaps& bitmaps = TheBitmaps();
  const auto found = bitmaps.surfaces.find(object);
  if (found == bitmaps.surfaces.end() || bitmaps.IsSelected(object)) return 0;
  Service<WindowService>::Get().ReleaseImage(found->second);
  bitmaps.surfaces.erase(found);
  return 1;
}

}  // namespace corvane::platform
