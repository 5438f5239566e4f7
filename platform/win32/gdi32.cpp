// The drawing calls of the API subset, forwarded to the system's own.

#include "winapi/gdi32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"

namespace corvane::platform {

using win32::FromNative;
using win32::ToNative;

HDC CreateCompatibleDC(HDC reference) {
  return FromNative(::CreateCompatibleDC(ToNative<::HDC>(reference)));
}

BOOL DeleteDC(HDC hdc) { return ::DeleteDC(ToNative<::HDC>(hdc)); }

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits,
                         std::uintptr_t section, DWORD offset) {
  if (info == nullptr) return 0;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  ::BITMAPINFO native{};
  native.bmiHeader = ::BITMAPINFOHEADER{sizeof(::BITMAPINFOHEADER),
                                        header.biWidth,
                                        header.biHeight,
                                        header.biPlanes,
                                        header.biBitCount,
                                        header.biCompression,
                                        header.biSizeImage,
                                        header.biXPelsPerMeter,
                                        header.biYPelsPerMeter,
                                        header.biClrUsed,
                                        header.biClrImportant};
  return FromNative(::CreateDIBSection(ToNative<::HDC>(hdc), &native, usage, bits,
                                       reinterpret_cast<::HANDLE>(section), offset));
}

HPEN CreatePen(int style, int width, COLORREF color) {
  return FromNative(::CreatePen(style, width, color));
}

HBRUSH CreateSolidBrush(COLORREF color) { return FromNative(::CreateSolidBrush(color)); }

HGDIOBJ GetStockObject(int index) { return FromNative(::GetStockObject(index)); }

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  return FromNative(::SelectObject(ToNative<::HDC>(hdc), ToNative<::HGDIOBJ>(object)));
}

BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(ToNative<::HGDIOBJ>(object)); }

int GetDeviceCaps(HDC hdc, int index) { return ::GetDeviceCaps(ToNative<::HDC>(hdc), index); }

// A context here draws on a bitmap of its own, never on pixels it was lent.
ViewSelection::ViewSelection(HDC hdc, gfx::Surface* /*view*/) : hdc_(hdc), previous_(nullptr) {}

ViewSelection::~ViewSelection() = default;

// No host on this system leaves a picture behind for the saver.
BOOL CopyHostPicture(HDC /*dst*/, HWND /*host*/) { return 0; }

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
            DWORD rop) {
  return ::BitBlt(ToNative<::HDC>(dst), x, y, width, height, ToNative<::HDC>(src), src_x, src_y,
                  rop);
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int src_x, int src_y,
                int src_width, int src_height, DWORD rop) {
  return ::StretchBlt(ToNative<::HDC>(dst), x, y, width, height, ToNative<::HDC>(src), src_x, src_y,
                      src_width, src_height, rop);
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  return ::Rectangle(ToNative<::HDC>(hdc), left, top, right, bottom);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int corner_width,
               int corner_height) {
  return ::RoundRect(ToNative<::HDC>(hdc), left, top, right, bottom, corner_width, corner_height);
}

COLORREF GetPixel(HDC hdc, int x, int y) { return ::GetPixel(ToNative<::HDC>(hdc), x, y); }

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
  return ::SetPixelV(ToNative<::HDC>(hdc), x, y, color);
}

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertex_count, const void* mesh,
                  ULONG mesh_count, ULONG mode) {
  if (vertices == nullptr || mesh == nullptr) return 0;
  std::vector<::TRIVERTEX> native(vertex_count);
  for (ULONG i = 0; i < vertex_count; ++i) {
    const TRIVERTEX& v = vertices[i];
    native[i] = ::TRIVERTEX{v.x, v.y, v.Red, v.Green, v.Blue, v.Alpha};
  }
  // The meshes have the system's layout already: two ULONG vertex indexes each.
  static_assert(sizeof(GRADIENT_RECT) == sizeof(::GRADIENT_RECT));
  return ::GradientFill(ToNative<::HDC>(hdc), native.data(), vertex_count, const_cast<void*>(mesh),
                        mesh_count, mode);
}

}  // namespace corvane::platform
