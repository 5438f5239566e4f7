#pragma once

#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::gfx {

// What reading a pixel outside a surface gives: no colour has its top byte set, so it cannot be
// mistaken for a pixel.
inline constexpr ColorRef kInvalidColor = 0xFFFFFFFF;

// The colour of one pixel, or kInvalidColor when (x, y) lies outside the surface.
ColorRef GetPixel(const Surface& surface, int x, int y);

// Sets one pixel to a colour. Returns false, and changes nothing, when (x, y) lies outside the
// surface.
bool SetPixel(Surface& surface, int x, int y, ColorRef color);

}  // namespace corvane::gfx
