#pragma once

#include "controls/frame/frame_fields.h"
#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::controls {

// The colour of the frame's background: its BackColour when back_colour_is is nonzero, else the
// container's ambient background colour; a system colour resolved to its red, green and blue.
gfx::ColorRef FrameBackground(const FrameFields& fields, gfx::ColorRef ambient_back_colour);

// Draws the frame over the whole of `image`, the control's persistent image: the background, then
// the shadow as rings of outlines fading from the shadow colour next to the body out towards the
// background, then the body in the top-left of the image. The host calls it after loading, after
// every property change, on every resize and when the container's background colour changes.
//
// Stored values outside the property limits draw soundly: a ShadowDepth of 0 or below draws no
// shadow (the body covers the image), a ShadowOpacity outside 0 to 100 draws as the nearer limit.
void DrawFrame(const FrameFields& fields, gfx::ColorRef ambient_back_colour, gfx::Surface& image);

// The rings of rounded outlines leave single background pixels between them in the shadow's
// corners. This fills each such pixel of three regions (the shadow's bottom-right, top-right and
// bottom-left corners, in that order, columns outer and rows inner) with the average of its four
// side neighbours as they are at that moment, each channel rounded half to even. A neighbour
// outside the image counts as the background, and pixels of the regions outside the image are
// skipped, so a control too small for its corners neither reads nor writes outside itself.
void SmoothShadowCorners(gfx::Surface& image, int corner_depth, int shadow_depth,
                         gfx::ColorRef background);

// The colour of the pixel next to (x, y) in direction d: 0 above, 1 right, 2 below, 3 left. Any
// other d gives 0; a neighbour outside the image gives gfx::kInvalidColor.
gfx::ColorRef NeighbourColour(const gfx::Surface& image, int x, int y, int d);

}  // namespace corvane::controls
