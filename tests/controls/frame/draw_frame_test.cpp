#include "controls/frame/draw_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/frame/frame_colour.h"
#include "gfx/pixel_access.h"
#include "tests/controls/frame/frame_reference.h"

namespace corvane::controls {
namespace {

using test::ColoursOf;

constexpr gfx::ColorRef kGrey = gfx::Rgb(192, 192, 192);
constexpr gfx::ColorRef kFill = gfx::Rgb(255, 255, 240);
constexpr gfx::ColorRef kBorder = gfx::Rgb(0, 0, 192);

FrameFields Frame(std::int32_t style, std::int16_t shadow_depth, std::int16_t corner_depth) {
  FrameFields f = NewFrameFields(kGrey);
  f.frame_style = style;
  f.shadow_depth = shadow_depth;
  f.corner_depth = corner_depth;
  f.fill_colour = kFill;
  f.border_colour = kBorder;
  return f;
}

gfx::Surface Drawn(const FrameFields& f, int w, int h, gfx::ColorRef ambient = kGrey) {
  gfx::Surface s = *gfx::Surface::Create(w, h);
  DrawFrame(f, ambient, s);
  return s;
}

TEST(ColourStep, DividesTowardsZeroBeforeMultiplying) {
  const struct {
    gfx::ColorRef a, b;
    int p, q;
    gfx::ColorRef expected;
  } cases[] = {
      {0, kGrey, 100, 50, gfx::Rgb(50, 50, 50)},                   // shadow at opacity 50, not 96
      {0, gfx::Rgb(99, 150, 255), 100, 50, gfx::Rgb(0, 50, 100)},  // a channel below 100 gives 0
      {gfx::Rgb(50, 50, 50), kGrey, 10, 1, gfx::Rgb(64, 64, 64)},  // ring 1 of SD 10
      {gfx::Rgb(50, 50, 50), kGrey, 10, 10, gfx::Rgb(190, 190, 190)},          // ring 10 ends short
      {gfx::Rgb(200, 0, 0), gfx::Rgb(0, 200, 7), 3, 2, gfx::Rgb(68, 132, 4)},  // both directions
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColourStep(c.a, c.b, c.p, c.q), c.expected) << std::hex << c.a << " " << c.b;
  }
}

// Whole images: the rings and the body over them, the corner smoothing of a rounded frame, a style
// without a shape (background only), frames without a shadow, and corners of 0 or 1, which draw
// the rectangle unsmoothed.
TEST(DrawFrame, MatchesTheReferencePixelForPixel) {
  FrameFields no_shadow = Frame(kFrameRounded, 5, 10);
  no_shadow.show_shadow = false;
  const struct {
    FrameFields fields;
    int width, height;
  } cases[] = {
      {Frame(kFrameRectangle, 5, 10), 100, 100},
      {Frame(kFrameRounded, 8, 12), 60, 50},
      {Frame(2, 5, 10), 40, 30},
      {no_shadow, 40, 30},
      {Frame(kFrameRectangle, 0, 10), 40, 30},
      {Frame(kFrameRounded, 6, 0), 50, 40},
      {Frame(kFrameRounded, 6, 1), 50, 40},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColoursOf(Drawn(c.fields, c.width, c.height)),
              test::ReferenceFrame(c.fields, kGrey, c.width, c.height))
        << c.fields.frame_style << " " << c.fields.shadow_depth << " " << c.fields.corner_depth;
  }
}

TEST(DrawFrame, ShadowOpacityOutsideItsLimitsDrawsAsTheNearerLimit) {
  const struct { std::int16_t stored, drawn_as; } cases[] = {{150, 100}, {-20, 0}};
  for (const auto& c : cases) {
    FrameFields stored = Frame(kFrameRounded, 8, 12);
    stored.shadow_opacity = c.stored;
    FrameFields limit = stored;
    limit.shadow_opacity = c.drawn_as;
    EXPECT_EQ(ColoursOf(Drawn(stored, 60, 50)), ColoursOf(Drawn(limit, 60, 50))) << c.stored;
  }
}

TEST(DrawFrame, SystemColoursResolveToTheirColour) {
  const struct {
    std::int32_t back_colour_is;
    gfx::ColorRef back_colour, ambient, expected;
  } cases[] = {
      {0, gfx::Rgb(1, 2, 3), 0x8000000F, kGrey},  // the button face of a form
      {0, gfx::Rgb(1, 2, 3), 0x80000005, gfx::Rgb(255, 255, 255)},
      {1, 0x80000063, gfx::Rgb(1, 2, 3), kGrey},  // no such index: the button face
      {1, 0x02123456, gfx::Rgb(1, 2, 3), 0x00123456},
  };
  for (const auto& c : cases) {
    FrameFields f = Frame(kFrameRectangle, 5, 10);
    f.back_colour_is = c.back_colour_is;
    f.back_colour = c.back_colour;
    EXPECT_EQ(FrameBackground(f, c.ambient), c.expected) << std::hex << c.ambient;
    // The shadow is worked out from the resolved colour: (15, 15) lies on ring 1.
    const gfx::Surface s = Drawn(f, 20, 20, c.ambient);
    EXPECT_EQ(gfx::GetPixel(s, 0, 19), c.expected);
    EXPECT_EQ(gfx::GetPixel(s, 15, 15),
              ColourStep(ColourStep(0, c.expected, 100, 50), c.expected, 5, 1));
  }
}

TEST(SmoothShadowCorners, AveragesNeighboursAsTheyAreRoundingHalvesToEven) {
  constexpr gfx::ColorRef kBg = gfx::Rgb(200, 200, 200);
  gfx::Surface s = *gfx::Surface::Create(6, 6);
  s.Fill(gfx::Rgb(10, 20, 10));
  gfx::SetPixel(s, 2, 1, gfx::Rgb(12, 2, 18));
  for (const auto& [x, y] : {std::pair{2, 2}, {3, 2}, {0, 0}, {4, 4}}) gfx::SetPixel(s, x, y, kBg);
  SmoothShadowCorners(s, 2, 1, kBg);  // regions: columns 2-3 over rows 1-4, rows 2-3 over 1-4
  // (2, 2): (12 + 200 + 10 + 10, 2 + 200 + 20 + 20, 18 + 200 + 10 + 10) / 4 = (58, 60.5, 59.5).
  EXPECT_EQ(gfx::GetPixel(s, 2, 2), gfx::Rgb(58, 60, 60));
  // (3, 2) sees (2, 2) smoothed: (58 + 30, 60 + 60, 60 + 30) / 4 = (22, 30, 22.5).
  EXPECT_EQ(gfx::GetPixel(s, 3, 2), gfx::Rgb(22, 30, 22));
  EXPECT_EQ(gfx::GetPixel(s, 0, 0), kBg);  // outside the regions
  EXPECT_EQ(gfx::GetPixel(s, 4, 4), kBg);
  // A neighbour outside the control counts as the background: the first region starts at (0, 0).
  gfx::Surface corner = *gfx::Surface::Create(4, 4);
  corner.Fill(gfx::Rgb(10, 10, 10));
  gfx::SetPixel(corner, 0, 0, kBg);
  SmoothShadowCorners(corner, 2, 1, kBg);
  EXPECT_EQ(gfx::GetPixel(corner, 0, 0), gfx::Rgb(105, 105, 105));
}

TEST(DrawFrame, ControlsTooSmallForTheirCornersStayInside) {
  // The image is a window into a larger buffer whose guard pixels must stay as they are.
  constexpr gfx::Pixel kGuard = 0x00ABCDEF;
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {9, 9}, {20, 6}}) {
    std::vector<gfx::Pixel> buffer(static_cast<std::size_t>(w + 4) * (h + 4), kGuard);
    gfx::Surface inner = *gfx::Surface::Wrap(buffer.data() + 2 * (w + 4) + 2, w, h,
                                             static_cast<int>((w + 4) * sizeof(gfx::Pixel)));
    const FrameFields f = Frame(kFrameRounded, 50, 50);
    DrawFrame(f, kGrey, inner);
    EXPECT_EQ(ColoursOf(inner), test::ReferenceFrame(f, kGrey, w, h)) << w << "x" << h;
    int guards = 0;
    for (const gfx::Pixel p : buffer) guards += p == kGuard ? 1 : 0;
    EXPECT_EQ(guards, (w + 4) * (h + 4) - w * h) << w << "x" << h;
  }
}

}  // namespace
}  // namespace corvane::controls
