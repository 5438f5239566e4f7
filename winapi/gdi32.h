#pragma once

#include <cstdint>

#include "gfx/color.h"
#include "gfx/pen.h"
#include "gfx/pixel_access.h"
#include "os/window.h"
#include "winapi/windef.h"

// The drawing operations the program calls by their original names. A device context handle
// names a surface from the handle table (a picture box's image, a control's backing image) or the
// screen (GetDC of the desktop, a copy source only). Results follow the original platform:
// nonzero for success.
namespace corvane::platform {

using gfx::HBITMAP;
using gfx::HDC;
using gfx::HGDIOBJ;

inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kGradientFillRectV = 1;

struct TriVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
  std::uint16_t alpha = 0;
};

struct GradientRect {
  std::uint32_t upper_left = 0;
  std::uint32_t lower_right = 0;
};

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kDibRgbColors = 0;

struct BitmapInfoHeader {
  std::uint32_t size = sizeof(BitmapInfoHeader);
  std::int32_t width = 0;
  // Negative for rows stored top to bottom.
  std::int32_t height = 0;
  std::uint16_t planes = 1;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t size_image = 0;
  std::int32_t x_pels_per_meter = 0;
  std::int32_t y_pels_per_meter = 0;
  std::uint32_t clr_used = 0;
  std::uint32_t clr_important = 0;
};

struct BitmapInfo {
  BitmapInfoHeader header;
  std::uint32_t colors[1] = {};
};

// A memory device context. It starts with a 1 x 1 stock bitmap selected, which SelectObject hands
// back when the first bitmap of the caller's is selected; the caller selects it again before it
// deletes its bitmap. Give the context back with DeleteDC.
HDC CreateCompatibleDC(HDC reference);
int DeleteDC(HDC hdc);
// A bitmap whose pixels the caller reaches at *bits, each row width * 4 bytes, until DeleteObject.
// Only 32-bit top-down bitmaps (negative height) without a section are made here; anything else
// gives 0 and leaves *bits null. The pixels start black.
HBITMAP CreateDIBSection(HDC hdc, const BitmapInfo* info, std::uint32_t usage, void** bits,
                         std::uintptr_t section, std::uint32_t offset);
// Selects a bitmap into a memory context, so that drawing on the context draws on it, and returns
// the bitmap that was selected before; 0 when either handle names nothing of the kind.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// Deletes a bitmap. A bitmap selected into a context, a stock bitmap or an unknown handle is left
// alone and gives 0.
int DeleteObject(HGDIOBJ object);

// Copies into dst, at its top-left, the desktop picture a saver host left on the window it made
// for the saver (the part under that window). 0, dst unchanged, when the host left none.
int CopyHostPicture(HDC dst, HWND host);

// Only kSrcCopy. A copy from the screen reads the pixels the screen shows now; when the screen
// cannot be read the destination stays as it was and the result is 0.
int BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
           std::uint32_t rop);
int StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
               int src_width, int src_height, std::uint32_t rop);

// The outline pen and the interior brush that Rectangle and RoundRect use on a device context.
// Every context starts with a solid black pen and a solid white brush.
void SelectPen(HDC hdc, gfx::Pen pen);
void SelectBrush(HDC hdc, gfx::Brush brush);
int Rectangle(HDC hdc, int left, int top, int right, int bottom);
int RoundRect(HDC hdc, int left, int top, int right, int bottom, int corner_width,
              int corner_height);

// gfx::kInvalidColor outside the surface or for a handle that names none.
gfx::ColorRef GetPixel(HDC hdc, int x, int y);
int SetPixelV(HDC hdc, int x, int y, gfx::ColorRef color);

// Only kGradientFillRectV with GradientRect meshes.
int GradientFill(HDC hdc, const TriVertex* vertices, std::uint32_t vertex_count,
                 const GradientRect* rects, std::uint32_t rect_count, std::uint32_t mode);

}  // namespace corvane::platform
