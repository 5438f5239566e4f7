#include "controls/command/draw_face.h"

#include <gtest/gtest.h>

#include <optional>

#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::controls {
namespace {

using gfx::Rgb;

constexpr gfx::ColorRef kBackground = Rgb(1, 2, 3);

// A picture whose every pixel names its own position, so a face pixel tells where it came from.
gfx::Surface PositionPicture() {
  gfx::Surface picture = *gfx::Surface::Create(kStatePictureWidth, kStatePictureHeight);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.Row(y)[x] = gfx::ToPixel(Rgb(x, y, 7));
  }
  return picture;
}

gfx::ColorRef At(const gfx::Surface& surface, int x, int y) {
  return gfx::ToColorRef(surface.Row(y)[x]);
}

// Cmd_BGM is 375 x 315 twips (25 x 21 pixels): its top edge shrinks 56 picture columns into 17 and
// its side edges 17 rows into 13. Cmd_Set is 975 x 375 (65 x 25): its top edge stretches 56 columns
// into 57, its side edges copy 17 rows as they are. A face too small for edges keeps each corner's
// outer part, split at the middle.
TEST(DrawFace, EachFacePixelComesFromTheRightPicturePixel) {
  const struct {
    int width, height, x, y;
    std::optional<gfx::Point> source;  // none: the gradient shows
  } cases[] = {
      {25, 21, 5, 1, gfx::Point{7, 1}},      // BgmTopEdgeDropsColumns
      {25, 21, 24, 16, gfx::Point{63, 19}},  // BgmRightEdgeDropsRows
      {25, 21, 20, 16, std::nullopt},        // BgmInsideBottomRight
      {65, 25, 5, 0, gfx::Point{4, 0}},      // SetTopEdgeRepeatsFirstColumn
      {65, 25, 63, 13, gfx::Point{62, 13}},  // SetRightEdgeUnscaled
      {5, 5, 2, 0, gfx::Point{61, 0}},       // TinyRightHalf
      {5, 5, 0, 2, gfx::Point{0, 22}},       // TinyTopOfBottomHalf
  };
  const gfx::Surface picture = PositionPicture();
  for (const auto& c : cases) {
    gfx::Surface face = *gfx::Surface::Create(c.width, c.height);
    DrawFace(face, kBackground, picture, false, 15, 15);
    const gfx::ColorRef pixel = At(face, c.x, c.y);
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " at " << c.x << "," << c.y);
    if (c.source) {
      EXPECT_EQ(pixel, Rgb(c.source->x, c.source->y, 7));
    } else {
      EXPECT_NE(gfx::BlueOf(pixel), 7);
      EXPECT_GE(gfx::RedOf(pixel), 198);
    }
  }
}

TEST(FillFaceGradient, RunsFromWhiteToTintAndLeavesTheLastColumnAndRow) {
  constexpr gfx::ColorRef kWhite = Rgb(255, 255, 255);
  constexpr gfx::ColorRef kTint = Rgb(198, 197, 215);
  for (const bool reversed : {false, true}) {
    gfx::Surface face = *gfx::Surface::Create(10, 6);
    face.Fill(kBackground);
    FillFaceGradient(face, reversed);
    EXPECT_EQ(At(face, 8, 0), reversed ? kTint : kWhite);
    EXPECT_EQ(At(face, 0, 4), reversed ? kWhite : kTint);
    EXPECT_EQ(At(face, 9, 0), kBackground);
    EXPECT_EQ(At(face, 0, 5), kBackground);
  }
}

}  // namespace
}  // namespace corvane::controls
