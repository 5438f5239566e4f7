#pragma once

#include <vector>

#include "controls/frame/frame_fields.h"
#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::controls::test {

// The frame's image worked out pixel by pixel from the drawing rules, without the drawing
// primitives: which shapes' outlines and insides each pixel falls in, the shadow's colours in
// closed form, then the corner smoothing. For a plain background colour, a style of 0 or 1, a
// ShadowDepth of 1 or more and a ShadowOpacity of 0 to 100. Row after row.
std::vector<gfx::ColorRef> ReferenceFrame(const FrameFields& fields, gfx::ColorRef background,
                                          int width, int height);

// The colours of a drawn image in the same order.
std::vector<gfx::ColorRef> ColoursOf(const gfx::Surface& image);

}  // namespace corvane::controls::test
