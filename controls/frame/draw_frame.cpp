#include "controls/frame/draw_frame.h"

#include <algorithm>
#include <cstdlib>

#include "controls/frame/frame_colour.h"
#include "gfx/pen.h"
#include "gfx/pixel_access.h"
#include "gfx/shapes.h"
#include "gfx/system_color.h"

namespace corvane::controls {

namespace {

// Halves go to the even number, so a sum of 2, 6, 10, ... over four rounds down, 4k + 2 for odd
// k rounds up.
int AverageOfFour(int sum) {
  const int whole = sum / 4;
  const int rest = sum % 4;
  return whole + (rest > 2 || (rest == 2 && whole % 2 == 1) ? 1 : 0);
}

gfx::ColorRef SmoothedColour(const gfx::Surface& image, int x, int y, gfx::ColorRef background) {
  int red = 0;
  int green = 0;
  int blue = 0;
  for (int d = 0; d < 4; ++d) {
    gfx::ColorRef neighbour = NeighbourColour(image, x, y, d);
    if (neighbour == gfx::kInvalidColor) neighbour = background;
    const Channels c = SplitColour(neighbour);
    red += c.red;
    green += c.green;
    blue += c.blue;
  }
  return gfx::Rgb(AverageOfFour(red), AverageOfFour(green), AverageOfFour(blue));
}

}  // namespace

gfx::ColorRef FrameBackground(const FrameFields& fields, gfx::ColorRef ambient_back_colour) {
  return gfx::ResolveSystemColor(fields.back_colour_is != 0 ? fields.back_colour
                                                            : ambient_back_colour);
}

void DrawFrame(const FrameFields& fields, gfx::ColorRef ambient_back_colour, gfx::Surface& image) {
  const gfx::ColorRef bg = FrameBackground(fields, ambient_back_colour);
  image.Fill(bg);
  const bool rounded = fields.frame_style == kFrameRounded;
  if (!rounded && fields.frame_style != kFrameRectangle) return;

  const auto shape = [&](gfx::Rect rect, gfx::Pen pen, gfx::Brush brush) {
    if (rounded) {
      gfx::DrawRoundRect(image, rect, fields.corner_depth, fields.corner_depth, pen, brush);
    } else {
      gfx::DrawRectangle(image, rect, pen, brush);
    }
  };
  const gfx::Pen border = gfx::Pen::Solid(gfx::ResolveSystemColor(fields.border_colour));
  const gfx::Brush fill = gfx::Brush::Solid(gfx::ResolveSystemColor(fields.fill_colour));
  const int w = image.width();
  const int h = image.height();
  // The ring colours divide by the depth, so a stored depth of 0 or below is drawn as what a
  // shadow of no depth looks like: none.
  const int sd = fields.shadow_depth;
  if (!fields.show_shadow || sd <= 0) {
    shape({0, 0, w, h}, border, fill);
    return;
  }

  const int opacity = std::clamp<int>(fields.shadow_opacity, 0, 100);
  const gfx::ColorRef shadow = ColourStep(0, bg, 100, 100 - opacity);
  // A ring whose outline, corner curves included, passes outside the image on every side draws
  // nothing; passing over those keeps a stored depth far beyond the frame's size from costing a
  // draw per unit of depth.
  const int margin = rounded ? std::abs(int{fields.corner_depth}) : 0;
  const auto outside = [&](gfx::Rect ring) {
    return std::min(ring.left, ring.right) + margin < 0 &&
           std::max(ring.left, ring.right) - margin > w &&
           std::min(ring.top, ring.bottom) + margin < 0 &&
           std::max(ring.top, ring.bottom) - margin > h;
  };
  for (int i = 0; i <= sd; ++i) {
    const gfx::Rect ring{2 * sd - i, 2 * sd - i, w - sd + i, h - sd + i};
    if (outside(ring)) continue;
    shape(ring, gfx::Pen::Solid(ColourStep(shadow, bg, sd, i)), gfx::Brush::Hollow());
  }
  if (rounded) SmoothShadowCorners(image, fields.corner_depth, sd, bg);
  shape({0, 0, w - sd, h - sd}, border, fill);
}

void SmoothShadowCorners(gfx::Surface& image, int corner_depth, int shadow_depth,
                         gfx::ColorRef background) {
  const int w = image.width();
  const int h = image.height();
  const int cd = corner_depth;
  const int sd = shadow_depth;
  const struct {
    int first_x, last_x, first_y, last_y;
  } regions[] = {
      {w - 2 * cd, w - 3, h - 2 * cd, h - 3},
      {w - 2 * cd, w - 3, sd, 4 * sd},
      {sd, 4 * sd, h - 2 * cd, h - 3},
  };
  for (const auto& r : regions) {
    for (int x = std::max(r.first_x, 0); x <= std::min(r.last_x, w - 1); ++x) {
      for (int y = std::max(r.first_y, 0); y <= std::min(r.last_y, h - 1); ++y) {
        if (gfx::GetPixel(image, x, y) != background) continue;
        gfx::SetPixel(image, x, y, SmoothedColour(image, x, y, background));
      }
    }
  }
}

gfx::ColorRef NeighbourColour(const gfx::Surface& image, int x, int y, int d) {
  switch (d) {
    case 0:
      return gfx::GetPixel(image, x, y - 1);
    case 1:
      return gfx::GetPixel(image, x + 1, y);
    case 2:
      return gfx::GetPixel(image, x, y + 1);
    case 3:
      return gfx::GetPixel(image, x - 1, y);
    default:
      return 0;
  }
}

}  // namespace corvane::controls
