#pragma once

#include <optional>

#include "gfx/surface.h"

namespace corvane {

// Shrinks a picture to width x height by area averaging: each new pixel is the mean of the source
// area it covers, source pixels cut by its edges counted by the fraction inside. Nothing is
// skipped, so fine detail (text, one-pixel lines, dot patterns) turns into its true average tone
// instead of aliasing into stripes. The arithmetic is exact in integers and the result rounds to
// the nearest value.
//
// nullopt when the source is empty or the new size is below 1 or larger than the source in either
// direction.
std::optional<gfx::Surface> ReduceByArea(const gfx::Surface& source, int width, int height);

}  // namespace corvane
