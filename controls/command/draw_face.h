#pragma once

#include <string_view>

#include "gfx/color.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace corvane::controls {

// A state picture is 64 x 25 pixels; only its outer ring of kFaceCorner pixels is ever drawn.
inline constexpr int kStatePictureWidth = 64;
inline constexpr int kStatePictureHeight = 25;
inline constexpr int kFaceCorner = 4;

// The corner of a face is 60 twips, four pixels of a state picture at 15 twips per pixel.
inline constexpr double kFaceCornerTwips = 60;

// Fills the face with the vertical gradient between white and the lavender tint, white at the top
// unless reversed. The last column and row are left as they are: the border ring covers them.
void FillFaceGradient(gfx::Surface& face, bool gradient_reversed);

// Repaints a whole face: clears it to `background`, fills the gradient, then draws the border ring
// of `picture` in eight slices. Corners are copied at their own size and edges stretched along
// their length, by nearest neighbour, so the ring stays sharp at any button size; inside the ring
// the gradient shows. On a screen of other than 15 twips per pixel the corners measure 60 twips,
// rounded to whole pixels, and are scaled like the edges.
//
// A face narrower (or lower) than two corners has no room for edges: the left corners then keep
// their outer half of the width and the right corners the rest, each clipped at the middle, so a
// small button shows a closed outline rather than corners drawn over each other.
void DrawFace(gfx::Surface& face, gfx::ColorRef background, const gfx::Surface& picture,
              bool gradient_reversed, double twips_per_pixel_x, double twips_per_pixel_y);

// The caption sits across the face's full width, its top where the label's box of
// `caption_height` is centred 10 twips above the middle. In twips, as the label is placed.
double CaptionTop(double face_height, double caption_height);

// Draws the caption as the transparent label over the face shows it: centred across the face with
// its line box at `top` pixels, only the glyphs painted, greyed when the button is disabled.
void DrawCaption(gfx::Surface& face, gfx::FontFace& font, std::string_view utf8, int top,
                 gfx::ColorRef colour, bool enabled);

}  // namespace corvane::controls
