#pragma once

#include "gfx/geometry.h"
#include "gfx/pen.h"
#include "gfx/surface.h"

namespace corvane::gfx {

// The shapes below cover columns rect.left to rect.right - 1 and rows rect.top to rect.bottom - 1.
// A rectangle given with left > right or top > bottom is normalised by swapping those edges, as
// Windows does; an empty one (left == right or top == bottom) draws nothing.
//
// The pen draws the outline: every pixel of the shape that has a side neighbour (above, below, left
// or right) outside the shape. That is a closed line one pixel wide, joined through corners. The
// brush fills the remaining pixels, the interior, so fill and outline neither overlap nor leave a
// gap between them. Without a pen the brush fills the shape one column and one row smaller, as
// Windows does: its right column and bottom row stay as they were.
//
// Any int coordinates are accepted; drawing is clipped to the surface.

void DrawRectangle(Surface& surface, Rect rect, Pen pen, Brush brush);

// A rectangle whose corners are rounded by the four quarters of an ellipse corner_width pixels wide
// and corner_height pixels high. A pixel belongs to the shape when its centre lies inside the
// continuous figure: the rectangle with its edges on pixel borders, each corner cut along the
// quarter of the ellipse inscribed in the corner_width x corner_height box in that corner. The
// figure is symmetric about both centre lines and the test looks only at pixel centres, so the
// pixels drawn mirror exactly left to right and top to bottom. Corner sizes larger than the
// rectangle are clamped to its width and height (a full ellipse); sizes of zero or below give
// square corners, the plain rectangle.
void DrawRoundRect(Surface& surface, Rect rect, int corner_width, int corner_height, Pen pen,
                   Brush brush);

}  // namespace corvane::gfx
