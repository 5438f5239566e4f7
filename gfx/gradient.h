#pragma once

#include <cstdint>

#include "gfx/surface.h"

namespace corvane::gfx {

// One corner of a gradient rectangle: a position in pixels and a colour with 16-bit channels
// (0xFF00 is full intensity of an 8-bit 0xFF).
struct GradientVertex {
  int x = 0;
  int y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
};

// Fills the rectangle spanned by two vertices with a vertical gradient. The rectangle covers the
// columns from the smaller x up to, not including, the larger x, and the rows likewise; the
// vertices may come in either order. The first row takes the colour of the vertex with the smaller
// y and the last filled row (one above the larger y) the colour of the other vertex, exactly; in
// between each channel runs linearly, interpolated in integers at 16 bits and rounded to the
// nearest value (halves up), then cut to 8 bits by dropping the low byte. A rectangle with no rows
// or no columns draws nothing. Clipped to the surface; clipped rows keep the colours they have in
// the whole rectangle.
void FillGradientV(Surface& surface, const GradientVertex& a, const GradientVertex& b);

}  // namespace corvane::gfx
