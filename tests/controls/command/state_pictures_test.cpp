#include "controls/command/state_pictures.h"

#include <gtest/gtest.h>

#include "controls/command/draw_face.h"

namespace corvane::controls {
namespace {

using gfx::Rgb;

gfx::ColorRef At(const gfx::Surface& surface, int x, int y) {
  return gfx::ToColorRef(surface.Row(y)[x]);
}

// Pixels in the middle of each side, away from the curved corners, where every colour is exact.
TEST(StatePictures, RingsHaveTheLooksColours) {
  using enum StatePicture;
  const struct {
    StatePicture picture;
    int x, y;
    gfx::ColorRef colour;
  } cases[] = {
      {kNormal, 32, 1, Rgb(0, 60, 116)},       // the outline
      {kHighLight, 32, 22, Rgb(229, 151, 0)},  // the outer ring at the bottom
      {kPressed, 32, 0, kDialogColour},        // the dialog outside the shade ring
      {kDisable, 32, 23, Rgb(201, 199, 186)},
  };
  const StatePictures pictures = DrawStatePictures();
  for (const auto& c : cases) {
    const gfx::Surface& picture = pictures[static_cast<int>(c.picture)];
    ASSERT_EQ(picture.width(), kStatePictureWidth);
    ASSERT_EQ(picture.height(), kStatePictureHeight);
    EXPECT_EQ(At(picture, c.x, c.y), c.colour)
        << static_cast<int>(c.picture) << " " << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace corvane::controls
