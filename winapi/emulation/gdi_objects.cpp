// Memory device contexts and the drawing objects selected into them: bitmaps, pens and brushes. A
// bitmap's pixels come from the window service, which makes images it can show without a copy; a
// context draws on the bitmap selected into it, with its pen and brush, through the device-context
// table.

#include <optional>
#include <unordered_map>
#include <utility>

#include "os/service.h"
#include "os/window.h"
#include "winapi/emulation/device_context.h"
#include "winapi/gdi32.h"

namespace corvane::platform {

namespace {

// Handles start high so that small integers passed by mistake name nothing, and apart from the
// device contexts' so that a context's handle is never taken for an object's. The stock objects sit
// just below, at kStockBase plus their index.
constexpr HGDIOBJ kStockBase = 0x3FFFFF00;
constexpr HBITMAP kStockBitmap = 0x3FFFFFFF;
constexpr HGDIOBJ kFirstHandle = 0x40000000;

std::optional<gfx::Pen> StockPen(HGDIOBJ object) {
  if (object == kStockBase + kBlackPen) return gfx::Pen::Solid(gfx::Rgb(0, 0, 0));
  if (object == kStockBase + kWhitePen) return gfx::Pen::Solid(gfx::Rgb(255, 255, 255));
  if (object == kStockBase + kNullPen) return gfx::Pen::None();
  return std::nullopt;
}

std::optional<gfx::Brush> StockBrush(HGDIOBJ object) {
  if (object == kStockBase + kWhiteBrush) return gfx::Brush::Solid(gfx::Rgb(255, 255, 255));
  if (object == kStockBase + kBlackBrush) return gfx::Brush::Solid(gfx::Rgb(0, 0, 0));
  if (object == kStockBase + kNullBrush) return gfx::Brush::Hollow();
  return std::nullopt;
}

// One kind of object selected into contexts: what each context has, and whether one is in use.
template <typename Value>
struct Selection {
  std::unordered_map<HGDIOBJ, Value> objects;
  std::unordered_map<HDC, HGDIOBJ> selected;

  // True while a context that still exists has the object selected. Contexts released since are
  // forgotten on the way, so the table never outgrows the contexts that exist.
  bool InUse(HGDIOBJ object) {
    std::erase_if(selected, [](const auto& entry) {
      return gfx::DeviceContexts::Lookup(entry.first) == nullptr &&
             !gfx::DeviceContexts::IsScreen(entry.first);
    });
    for (const auto& [hdc, selected_object] : selected) {
      if (selected_object == object) return true;
    }
    return false;
  }
  // Records object as hdc's and returns the one it had, or initial when it had none yet.
  HGDIOBJ Swap(HDC hdc, HGDIOBJ object, HGDIOBJ initial) {
    const auto [entry, added] = selected.emplace(hdc, object);
    const HGDIOBJ previous = added ? initial : entry->second;
    entry->second = object;
    return previous;
  }
};

struct Objects {
  // Node-based, so a bitmap's surface keeps its address while the contexts point at it.
  Selection<gfx::Surface> bitmaps;
  Selection<gfx::Pen> pens;
  Selection<gfx::Brush> brushes;
  gfx::Surface stock_bitmap = *gfx::Surface::Create(1, 1);
  HGDIOBJ next = kFirstHandle;

  gfx::Surface* BitmapOf(HBITMAP bitmap) {
    if (bitmap == kStockBitmap) return &stock_bitmap;
    const auto found = bitmaps.objects.find(bitmap);
    return found == bitmaps.objects.end() ? nullptr : &found->second;
  }
  std::optional<gfx::Pen> PenOf(HGDIOBJ object) const {
    const auto found = pens.objects.find(object);
    return found == pens.objects.end() ? StockPen(object) : found->second;
  }
  std::optional<gfx::Brush> BrushOf(HGDIOBJ object) const {
    const auto found = brushes.objects.find(object);
    return found == brushes.objects.end() ? StockBrush(object) : found->second;
  }
};

Objects& TheObjects() {
  static Objects objects;
  return objects;
}

bool IsLiveContext(HDC hdc) {
  return gfx::DeviceContexts::Lookup(hdc) != nullptr || gfx::DeviceContexts::IsScreen(hdc);
}

}  // namespace

HDC CreateCompatibleDC(HDC /*reference*/) {
  Objects& objects = TheObjects();
  const HDC hdc = gfx::DeviceContexts::Register(&objects.stock_bitmap);
  objects.bitmaps.selected.emplace(hdc, kStockBitmap);
  return hdc;
}

BOOL DeleteDC(HDC hdc) {
  if (TheObjects().bitmaps.selected.erase(hdc) == 0) return 0;
  gfx::DeviceContexts::Release(hdc);
  return 1;
}

HBITMAP CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* info, UINT usage, void** bits,
                         std::uintptr_t section, DWORD /*offset*/) {
  if (bits == nullptr) return 0;
  *bits = nullptr;
  if (info == nullptr || usage != kDibRgbColors || section != 0) return 0;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (header.biBitCount != 32 || header.biCompression != kBiRgb || header.biPlanes != 1 ||
      header.biWidth <= 0 || header.biHeight >= 0) {
    return 0;
  }
  std::optional<gfx::Surface> image =
      Service<WindowService>::Get().CreateImage(header.biWidth, -header.biHeight);
  // The caller steps through the rows at width * 4 bytes, as a bitmap of this format is laid out.
  if (image && image->pitch() != header.biWidth * 4) {
    Service<WindowService>::Get().ReleaseImage(*image);
    image = gfx::Surface::Create(header.biWidth, -header.biHeight);
  }
  if (!image) return 0;
  Objects& objects = TheObjects();
  const HBITMAP bitmap = objects.next++;
  gfx::Surface& surface = objects.bitmaps.objects.emplace(bitmap, std::move(*image)).first->second;
  *bits = surface.Row(0);
  return bitmap;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  std::optional<gfx::Pen> pen;
  if (style == kPsNull) pen = gfx::Pen::None();
  if (style == kPsSolid && (width == 0 || width == 1)) pen = gfx::Pen::Solid(color);
  if (!pen) return 0;
  Objects& objects = TheObjects();
  objects.pens.objects.emplace(objects.next, *pen);
  return objects.next++;
}

HBRUSH CreateSolidBrush(COLORREF color) {
  Objects& objects = TheObjects();
  objects.brushes.objects.emplace(objects.next, gfx::Brush::Solid(color));
  return objects.next++;
}

HGDIOBJ GetStockObject(int index) {
  const HGDIOBJ object = kStockBase + static_cast<HGDIOBJ>(index);
  return index >= 0 && (StockPen(object) || StockBrush(object)) ? object : 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  Objects& objects = TheObjects();
  if (gfx::Surface* surface = objects.BitmapOf(object)) {
    const auto context = objects.bitmaps.selected.find(hdc);
    if (context == objects.bitmaps.selected.end()) return 0;
    gfx::DeviceContexts::Select(hdc, surface);
    return std::exchange(context->second, object);
  }
  if (!IsLiveContext(hdc)) return 0;
  if (const std::optional<gfx::Pen> pen = objects.PenOf(object)) {
    gfx::DeviceContexts::SelectPen(hdc, *pen);
    return objects.pens.Swap(hdc, object, kStockBase + kBlackPen);
  }
  if (const std::optional<gfx::Brush> brush = objects.BrushOf(object)) {
    gfx::DeviceContexts::SelectBrush(hdc, *brush);
    return objects.brushes.Swap(hdc, object, kStockBase + kWhiteBrush);
  }
  return 0;
}

BOOL DeleteObject(HGDIOBJ object) {
  Objects& objects = TheObjects();
  if (const auto found = objects.bitmaps.objects.find(object);
      found != objects.bitmaps.objects.end() && !objects.bitmaps.InUse(object)) {
    Service<WindowService>::Get().ReleaseImage(found->second);
    objects.bitmaps.objects.erase(found);
    return 1;
  }
  if (objects.pens.objects.contains(object) && !objects.pens.InUse(object)) {
    objects.pens.objects.erase(object);
    return 1;
  }
  if (objects.brushes.objects.contains(object) && !objects.brushes.InUse(object)) {
    objects.brushes.objects.erase(object);
    return 1;
  }
  return 0;
}

}  // namespace corvane::platform
