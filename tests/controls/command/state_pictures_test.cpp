#include "controls/command/state_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/command/draw_face.h"

namespace corvane::controls {
namespace {

using gfx::Rgb;

gfx::ColorRef At(const gfx::Surface& surface, int x, int y) {
  return gfx::ToColorRef(surface.Row(y)[x]);
}

struct RingPixel {
  std::string name;
  StatePicture picture;
  int x;
  int y;
  gfx::ColorRef colour;
};

// Pixels in the middle of each side, away from the curved corners, where every colour is exact.
const std::vector<RingPixel> kRingPixels = {
    {"NormalShadeTop", StatePicture::kNormal, 32, 0, Rgb(224, 220, 201)},
    {"NormalShadeRight", StatePicture::kNormal, 63, 12, Rgb(250, 250, 246)},
    {"NormalOutline", StatePicture::kNormal, 32, 1, Rgb(0, 60, 116)},
    {"NormalOutlineLeft", StatePicture::kNormal, 1, 12, Rgb(0, 60, 116)},
    {"NormalLightInside", StatePicture::kNormal, 32, 2, Rgb(243, 243, 238)},
    {"NormalBottomShade", StatePicture::kNormal, 32, 22, Rgb(214, 208, 197)},
    {"NormalRightShadeInner", StatePicture::kNormal, 60, 12, Rgb(226, 223, 214)},
    {"HighLightTopOuter", StatePicture::kHighLight, 32, 2, Rgb(255, 240, 207)},
    {"HighLightTopInner", StatePicture::kHighLight, 32, 3, Rgb(253, 216, 137)},
    {"HighLightSide", StatePicture::kHighLight, 2, 12, Rgb(252, 202, 105)},
    {"HighLightBottomInner", StatePicture::kHighLight, 32, 21, Rgb(248, 179, 48)},
    {"HighLightBottomOuter", StatePicture::kHighLight, 32, 22, Rgb(229, 151, 0)},
    {"SelectedTop", StatePicture::kSelected, 32, 3, Rgb(206, 231, 255)},
    {"SelectedSide", StatePicture::kSelected, 61, 12, Rgb(169, 197, 239)},
    {"SelectedBottom", StatePicture::kSelected, 32, 22, Rgb(105, 130, 238)},
    {"PressedDialogOutside", StatePicture::kPressed, 32, 0, kDialogColour},
    {"PressedShadeRing", StatePicture::kPressed, 32, 1, Rgb(224, 220, 201)},
    {"PressedOutline", StatePicture::kPressed, 32, 2, Rgb(0, 60, 116)},
    {"PressedTopShadow", StatePicture::kPressed, 32, 3, Rgb(209, 204, 193)},
    {"PressedLeftShadow", StatePicture::kPressed, 3, 12, Rgb(215, 212, 203)},
    {"PressedInside", StatePicture::kPressed, 32, 21, Rgb(226, 225, 217)},
    {"DisableDialogOutside", StatePicture::kDisable, 63, 12, kDialogColour},
    {"DisableOutline", StatePicture::kDisable, 32, 23, Rgb(201, 199, 186)},
    {"DisablePale", StatePicture::kDisable, 32, 2, Rgb(245, 244, 234)},
};

class StatePictureRing : public testing::TestWithParam<RingPixel> {};

TEST_P(StatePictureRing, HasTheLooksColour) {
  const RingPixel& p = GetParam();
  const gfx::Surface picture = DrawStatePicture(p.picture);
  ASSERT_EQ(picture.width(), kStatePictureWidth);
  ASSERT_EQ(picture.height(), kStatePictureHeight);
  EXPECT_EQ(At(picture, p.x, p.y), p.colour);
}

INSTANTIATE_TEST_SUITE_P(Pictures, StatePictureRing, testing::ValuesIn(kRingPixels),
                         [](const testing::TestParamInfo<RingPixel>& info) {
                           return info.param.name;
                         });

TEST(StatePictures, CornersBlendAndHoverLooksAreOnePicture) {
  const StatePictures pictures = DrawStatePictures();
  const gfx::Surface& normal = pictures[static_cast<int>(StatePicture::kNormal)];
  // The outline's corner pixel is cut by the curve: a blend, lighter than the outline.
  const gfx::ColorRef corner = At(normal, 1, 1);
  EXPECT_NE(corner, Rgb(0, 60, 116));
  EXPECT_GT(gfx::RedOf(corner), 0);
  EXPECT_LT(gfx::RedOf(corner), 224);
  EXPECT_EQ(At(normal, 0, 0), kDialogColour);

  const gfx::Surface& hover = pictures[static_cast<int>(StatePicture::kHighLight)];
  const gfx::Surface& hover_focus = pictures[static_cast<int>(StatePicture::kHighLightSelect)];
  for (int y = 0; y < kStatePictureHeight; ++y) {
    for (int x = 0; x < kStatePictureWidth; ++x) {
      ASSERT_EQ(At(hover, x, y), At(hover_focus, x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace corvane::controls
