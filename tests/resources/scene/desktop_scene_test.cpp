#include "resources/scene/desktop_scene.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/desktop/system_font_loader.h"

namespace corvane {
namespace {

// The scene only feeds the preview maker and the demo desktop. Painting over black and over white
// gives the same bytes only when every pixel is painted and nothing blends with what was there;
// the same render twice must come out alike.
TEST(DesktopScene, PaintsEveryPixelAlikeAtAnySize) {
  platform::SystemFontLoader fonts;
  for (auto [width, height] : {std::pair{1, 1}, {152, 112}}) {
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

}  // namespace
}  // namespace corvane
