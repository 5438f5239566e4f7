#include "resources/scene/desktop_scene.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/desktop/system_font_loader.h"
#include "resources/scene/area_reduce.h"

namespace corvane {
namespace {

// The scene only feeds the preview maker and the demo desktop. Painting over black and over white
// gives the same bytes only when every pixel is painted and nothing blends with what was there;
// the same render twice must come out alike.
TEST(DesktopScene, PaintsEveryPixelAlikeAtAnySize) {
  platform::SystemFontLoader fonts;
  for (auto [width, height] : {std::pair{1, 1}, {152, 112}, {1280, 1024}}) {
    gfx::Surface on_black = *gfx::Surface::Create(width, height);
    gfx::Surface on_white = *gfx::Surface::Create(width, height);
    on_white.Fill(gfx::Rgb(255, 255, 255));
    DrawDesktopScene(on_black, fonts);
    DrawDesktopScene(on_white, fonts);
    for (int y = 0; y < height; ++y) {
      ASSERT_TRUE(std::equal(on_black.Row(y), on_black.Row(y) + width, on_white.Row(y)))
          << width << "x" << height << " row " << y;
    }
  }
}

// Three columns into two: each new pixel covers one and a half, the middle one shared half and
// half, every channel apart: (0 + 90 / 2) / 1.5 = 30 and (90 / 2 + 180) / 1.5 = 150.
TEST(ReduceByArea, AveragesFractionalCoverageAndRefusesEnlarging) {
  gfx::Surface source = *gfx::Surface::Create(3, 1);
  source.Row(0)[1] = 0x005A5A5A;
  source.Row(0)[2] = 0x00B4005A;
  auto reduced = ReduceByArea(source, 2, 1);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->Row(0)[0], 0x001E1E1Eu);
  EXPECT_EQ(reduced->Row(0)[1], 0x00961E5Au);
  EXPECT_FALSE(ReduceByArea(source, 4, 1));
  EXPECT_FALSE(ReduceByArea(source, 0, 1));
}

}  // namespace
}  // namespace corvane
