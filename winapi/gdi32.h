#pragma once

#include <cstdint>

#include "gfx/pixel_access.h"
#include "gfx/surface.h"
#include "winapi/windef.h"

// The drawing operations the program calls by their Windows names. A device context handle
// names a surface from the handle table (a picture box's image, a control's backing image) or the
// screen (GetDC of the desktop, a copy source only). Results follow Windows:
// nonzero for success.
namespace corvane::platform {

inline constexpr DWORD kSrcCopy = 0x00CC0020;
inline constexpr ULONG kGradientFillRectV = 1;

// Windows' structures, under its names and with its fields, so that a caller fills them as
// it would there.
struct TRIVERTEX {
  LONG x = 0;
  LONG y = 0;
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
};

struct GRADIENT_RECT {
  ULONG UpperLeft = 0;
  ULONG LowerRight = 0;
};

inline constexpr DWORD kBiRgb = 0;
inline constexpr UINT kDibRgbColors = 0;

struct BITMAPINFOHEADER {
  DWORD biSize = sizeof(BITMAPINFOHEADER);
  LONG biWidth = 0;
  // Negative for rows stored top to bottom.
  LONG biHeight = 0;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  DWORD biCompression = kBiRgb;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  DWORD bmiColors[1] = {};
};

// A memory device context. It starts with a 1 x 1 stock bitmap selected, which SelectObject hands
// back when the first bitmap of the caller's is selected; the caller selects it again before it
// deletes its bitmap. Give the context back with DeleteDC.
HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC hdc);
// A bitmap whose pixels the caller reaches at *bits, each row width * 4 bytes, until DeleteObject.
// Only 32-bit top-down bitmaps (negative height) without a section are made here; anything else
// gives 0 and leaves *bits null. The pixels start black.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                         std::uintptr_t section, DWORD offset);

// Pens and brushes for the outlines and insides of Rectangle and RoundRect. Only solid pens one
// pixel wide (width 0 or 1) and the null pen are made here; another style or width gives 0.
inline constexpr int kPsSolid = 0;
inline constexpr int kPsNull = 5;
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// The stock objects: never deleted, always there. Every context starts with the black pen and the
// white brush.
inline constexpr int kWhiteBrush = 0;
inline constexpr int kBlackBrush = 4;
inline constexpr int kNullBrush = 5;
inline constexpr int kWhitePen = 6;
inline constexpr int kBlackPen = 7;
inline constexpr int kNullPen = 8;
HGDIOBJ GetStockObject(int index);

// Selects a bitmap into a memory context, or a pen or a brush into any context, so that drawing on
// the context uses it, and returns the object of that kind selected before; 0 when either handle
// names nothing of the kind.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// Deletes a bitmap, pen or brush. One selected into a context, a stock object or an unknown handle
// is left alone and gives 0.
BOOL DeleteObject(HGDIOBJ object);

// kLogPixelsX and kLogPixelsY: the screen's dots per inch, for any context; 0 for other indexes.
inline constexpr int kLogPixelsX = 88;
inline constexpr int kLogPixelsY = 90;
int GetDeviceCaps(HDC hdc, int index);

// Not a Windows call: makes a memory context draw on view, a window onto pixels that the
// caller keeps alive, in place of its bitmap, until this object goes. A library handed the
// context then works on those pixels where they lie, without a copy. Where a context can draw on
// its own bitmaps only (on Windows) nothing is selected, Selected() is false, and the caller
// copies instead.
class ViewSelection {
 public:
  ViewSelection(HDC hdc, gfx::Surface* view);
  ~ViewSelection();
  ViewSelection(const ViewSelection&) = delete;
  ViewSelection& operator=(const ViewSelection&) = delete;
  bool Selected() const { return previous_ != nullptr; }

 private:
  HDC hdc_;
  gfx::Surface* previous_;
};

// Copies into dst, at its top-left, the desktop picture a saver host left on the window it made
// for the saver (the part under that window). 0, dst unchanged, when the host left none.
// Windows has no such call: there a host leaves no picture.
BOOL CopyHostPicture(HDC dst, HWND host);

// Only kSrcCopy. A copy from the screen reads the pixels the screen shows now; when the screen
// cannot be read the destination stays as it was and the result is 0.
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
                int src_width, int src_height, DWORD rop);

// Outlined with the selected pen and filled with the selected brush.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int corner_width,
               int corner_height);

// gfx::kInvalidColor (Windows' CLR_INVALID) outside the surface or for a handle that names
// none.
COLORREF GetPixel(HDC hdc, int x, int y);
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);

// Only kGradientFillRectV with GRADIENT_RECT meshes.
BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertex_count, const void* mesh,
                  ULONG mesh_count, ULONG mode);

}  // namespace corvane::platform
