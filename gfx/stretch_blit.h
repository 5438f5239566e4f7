#pragma once

#include "gfx/surface.h"

namespace corvane::gfx {

// Copies the src_width x src_height block of src at (src_x, src_y) into the width x height block
// of dst at (x, y), scaling by nearest neighbour, without smoothing. Destination column i of the
// block (0 <= i < width) shows source column src_x + floor(i * src_width / width), computed exactly
// in 64-bit integers, and rows likewise; so stretching repeats pixels and shrinking drops them,
// always keeping the first source pixel.
//
// Clipped at both ends like Blit: destination pixels outside dst, or whose source lies outside src,
// are left unchanged. Mirroring by negative extents is not supported: an extent of zero or below on
// either side draws nothing. When dst and src are the same surface the source is read as it was
// before the call.
//
// Returns true when at least one pixel was copied.
bool StretchBlit(Surface& dst, int x, int y, int width, int height, const Surface& src, int src_x,
                 int src_y, int src_width, int src_height);

}  // namespace corvane::gfx
