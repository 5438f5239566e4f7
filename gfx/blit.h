#pragma once

#include "gfx/surface.h"

namespace corvane::gfx {

// Copies the width x height block of src whose top-left pixel is (src_x, src_y) to dst, top-left
// pixel at (x, y), pixel for pixel.
//
// Callers pass extents that may be far larger than either surface (the program passes sizes in
// twips where pixels are meant), so the copy is clipped to the destination and to the source: a
// destination pixel whose source lies outside src keeps its value. Every int value is accepted,
// negative origins included; an extent of zero or below copies nothing.
//
// dst and src may be the same surface with overlapping blocks: the result is as if the whole
// source block had been read before anything was written.
//
// Returns true when at least one pixel was copied, false when the copy was clipped to nothing.
bool Blit(Surface& dst, int x, int y, int width, int height, const Surface& src, int src_x,
          int src_y);

}  // namespace corvane::gfx
