#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "gfx/surface.h"

namespace corvane::platform::x11 {

// Whether an image of this layout holds pixels exactly as a surface does (32 bits per pixel,
// red 0xFF0000, green 0x00FF00, blue 0x0000FF, in the machine's byte order), so rows can be copied
// as they are.
bool MatchesSurfaceLayout(const XImage& image, const Visual& visual);

// Per-pixel conversions for every other TrueColor layout (16-bit displays and the like).
unsigned long PixelToX(gfx::Pixel pixel, const Visual& visual);
gfx::Pixel PixelFromX(unsigned long value, const Visual& visual);

// Copies the first width pixels of the image's row into destination as surface pixels, with the
// unused top byte cleared: it may hold anything the server left there.
void CopyRowFromX(XImage& image, int row, int width, const Visual& visual, gfx::Pixel* destination);

}  // namespace corvane::platform::x11
