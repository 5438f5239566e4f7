#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "gfx/color.h"
#include "gfx/geometry.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace corvane::scene {

// A rectangle in continuous coordinates: pixel (x, y) covers [x, x + 1) x [y, y + 1), so shapes
// can sit between pixels and their edges are anti-aliased by how much of a pixel they cover.
struct Area {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  float width() const { return right - left; }
  float height() const { return bottom - top; }
  Area Inset(float by) const { return {left + by, top + by, right - by, bottom - by}; }
  Area Offset(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  // The whole pixels this area touches.
  gfx::Rect Pixels() const;
  // The pixels whose centres lie inside the area: its edges rounded to the nearest pixel border.
  gfx::Rect Snapped() const;
};

// Mixes two colours channel by channel: t = 0 gives a, t = 1 gives b.
gfx::ColorRef Mix(gfx::ColorRef a, gfx::ColorRef b, float t);

// A colour gradient as stops in increasing `at` order.
struct ColorStop {
  float at;
  gfx::ColorRef color;
};
// How the colour runs between two stops: evenly, or eased in and out (smoothstep), which hides
// the kink a linear blend shows at each stop.
enum class StopBlend { kLinear, kSmooth };
// The gradient's colour at t: the first stop's colour up to it, the last stop's from it on.
gfx::ColorRef ColorAlong(std::span<const ColorStop> stops, float t, StopBlend blend);

// A value in [0, 1) that depends only on the pixel and the seed: grain and texture that come out
// the same on every run.
float Noise(int x, int y, unsigned seed);

// Signed distance from a point to a box with rounded corners: negative inside, positive outside.
float RoundBoxDistance(float x, float y, const Area& box, float radius);

// Signed distance from a point to a line segment thickened to `width`.
float SegmentDistance(float x, float y, float x0, float y0, float x1, float y1, float width);

// How much of a pixel a shape covers, from the signed distance at the pixel's centre.
inline float CoverageOf(float distance) { return std::clamp(0.5F - distance, 0.0F, 1.0F); }

// Draws onto a surface inside a clip rectangle, blending colours by coverage and opacity. The
// scene's windows hand their contents a clipped canvas, so nothing a window draws can spill over
// its frame, whatever the scene's size.
class Canvas {
 public:
  explicit Canvas(gfx::Surface& surface)
      : surface_(&surface), clip_{0, 0, surface.width(), surface.height()} {}

  // The same surface and coordinates, drawing only inside both this clip and `rect`.
  Canvas Clipped(const gfx::Rect& rect) const;

  const gfx::Rect& clip() const { return clip_; }

  // Blends `color` over every pixel of `bounds` with opacity × coverage(x, y), where (x, y) is the
  // pixel's centre and coverage lies in [0, 1].
  template <class Coverage>
  void Paint(const gfx::Rect& bounds, gfx::ColorRef color, float opacity, Coverage coverage) {
    const gfx::Rect r = Visible(bounds);
    for (int y = r.top; y < r.bottom; ++y) {
      gfx::Pixel* row = surface_->Row(y);
      for (int x = r.left; x < r.right; ++x) {
        const float alpha = opacity * coverage(x + 0.5F, y + 0.5F);
        if (alpha > 0.0F) row[x] = Blend(row[x], color, alpha);
      }
    }
  }

  // Sets every pixel of `bounds` to shader(x, y) at the pixel's centre.
  template <class Shader>
  void Shade(const gfx::Rect& bounds, Shader shader) {
    const gfx::Rect r = Visible(bounds);
    for (int y = r.top; y < r.bottom; ++y) {
      gfx::Pixel* row = surface_->Row(y);
      for (int x = r.left; x < r.right; ++x) row[x] = gfx::ToPixel(shader(x + 0.5F, y + 0.5F));
    }
  }

  void FillRect(const gfx::Rect& rect, gfx::ColorRef color, float opacity = 1.0F);
  void FillArea(const Area& area, gfx::ColorRef color, float opacity = 1.0F);
  void FillRoundBox(const Area& box, float radius, gfx::ColorRef color, float opacity = 1.0F);
  // A one-pixel-wide ring just inside the rounded box's edge.
  void StrokeRoundBox(const Area& box, float radius, float width, gfx::ColorRef color,
                      float opacity = 1.0F);
  void FillDisc(float cx, float cy, float radius, gfx::ColorRef color, float opacity = 1.0F);
  void Line(float x0, float y0, float x1, float y1, float width, gfx::ColorRef color,
            float opacity = 1.0F);
  // A soft shadow of a rounded box, fading out over `blur` pixels beyond its edge.
  void Shadow(const Area& box, float radius, float blur, float opacity);
  // One line of text with its line box's top-left at (x, y), clipped like every other drawing.
  void Text(gfx::FontFace& face, int x, int y, std::string_view utf8, gfx::ColorRef color);

 private:
  Canvas(gfx::Surface* surface, const gfx::Rect& clip) : surface_(surface), clip_(clip) {}

  gfx::Rect Visible(const gfx::Rect& bounds) const;
  static gfx::Pixel Blend(gfx::Pixel under, gfx::ColorRef over, float alpha);

  gfx::Surface* surface_;
  gfx::Rect clip_;
};

}  // namespace corvane::scene
