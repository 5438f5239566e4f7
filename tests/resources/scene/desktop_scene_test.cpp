#include "resources/scene/desktop_scene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/desktop/system_font_loader.h"
#include "platform/fake/fake_font_loader.h"

namespace corvane {
namespace {

// Building fontconfig's font list is the slow part; one loader serves every test.
platform::SystemFontLoader& Fonts() {
  static platform::SystemFontLoader loader;
  return loader;
}

// A system without any usable font.
class NoFonts : public gfx::FontLoader {
 public:
  std::unique_ptr<gfx::Font> Open(const gfx::FontSpec&, int) override { return nullptr; }
};

gfx::Surface Render(int width, int height, gfx::ColorRef background, gfx::FontLoader& fonts) {
  gfx::Surface surface = *gfx::Surface::Create(width, height);
  surface.Fill(background);
  DrawDesktopScene(surface, fonts);
  return surface;
}

int DifferingPixels(const gfx::Surface& a, const gfx::Surface& b, int left, int top, int right,
                    int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) count += a.Row(y)[x] != b.Row(y)[x] ? 1 : 0;
  }
  return count;
}

TEST(DesktopScene, PaintsEveryPixelTheSameWhateverWasThereAtAnySize) {
  // Painting over black and over white gives the same bytes only when every pixel is painted and
  // nothing is blended over what the surface held before. Two renders alike also show that the
  // scene comes out the same every time.
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{1, 1}, {2, 3}, {37, 5}, {152, 112}, {1280, 1024}, {3000, 40}, {64, 1600}};
  for (const Size& size : sizes) {
    const gfx::Surface on_black = Render(size.width, size.height, gfx::Rgb(0, 0, 0), Fonts());
    const gfx::Surface on_white = Render(size.width, size.height, gfx::Rgb(255, 255, 255), Fonts());
    EXPECT_EQ(DifferingPixels(on_black, on_white, 0, 0, size.width, size.height), 0)
        << size.width << "x" << size.height;
  }
  EXPECT_EQ(DifferingPixels(Render(1280, 1024, 0, Fonts()), Render(1280, 1024, 0, Fonts()), 0, 0,
                            1280, 1024),
            0);
}

TEST(DesktopScene, WritesItsTextWithTheFontsItIsGiven) {
  NoFonts no_fonts;
  gfx::FakeFontLoader box_fonts;
  const gfx::Surface with_text = Render(1280, 1024, 0, Fonts());
  const gfx::Surface without_text = Render(1280, 1024, 0, no_fonts);
  const gfx::Surface with_boxes = Render(1280, 1024, 0, box_fonts);
  // The document window's page, where the text lines are, and the task bar's labels.
  EXPECT_GT(DifferingPixels(with_text, without_text, 160, 130, 540, 400), 3000);
  EXPECT_GT(DifferingPixels(with_text, without_text, 0, 980, 1280, 1024), 300);
  EXPECT_GT(DifferingPixels(with_text, with_boxes, 160, 130, 540, 400), 3000);
  // Text is all that fonts change: the photograph's sky, away from its title and status, is the
  // same with or without them.
  EXPECT_EQ(DifferingPixels(with_text, without_text, 300, 480, 800, 800), 0);
  ASSERT_FALSE(box_fonts.opened().empty());
  EXPECT_EQ(box_fonts.opened().front().second, 13)
      << "the scene's body text is 13 px at 1280 x 1024";
}

TEST(DesktopScene, ScalesItsTextWithTheScreenAndLeavesOutUnreadableSizes) {
  // On a wide screen text follows the height, the smaller factor: 13 px x 1440 / 1024 = 18.3.
  gfx::FakeFontLoader wide;
  Render(2560, 1440, 0, wide);
  ASSERT_FALSE(wide.opened().empty());
  EXPECT_EQ(wide.opened().front().second, 18);
  gfx::FakeFontLoader tiny;
  Render(152, 112, 0, tiny);
  EXPECT_TRUE(tiny.opened().empty()) << "at a ninth of the size no face is big enough to read";
}

TEST(DesktopScene, StaysInsideASurfaceThatWrapsPartOfALargerPicture) {
  // A 100 x 80 window into a 130 x 90 buffer at (20, 6): the pixels around it, including the
  // padding at the end of each row, must keep their value.
  constexpr int kPitchWords = 130;
  constexpr gfx::Pixel kGuard = 0x00ABCDEF;
  std::vector<gfx::Pixel> memory(kPitchWords * 90, kGuard);
  auto view = gfx::Surface::Wrap(memory.data() + 6 * kPitchWords + 20, 100, 80, kPitchWords * 4);
  ASSERT_TRUE(view);
  DrawDesktopScene(*view, Fonts());
  int inside_guard = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < kPitchWords; ++x) {
      const bool inside = x >= 20 && x < 120 && y >= 6 && y < 86;
      const gfx::Pixel p = memory[static_cast<std::size_t>(y * kPitchWords + x)];
      if (!inside) {
        ASSERT_EQ(p, kGuard) << x << "," << y;
      } else if (p == kGuard) {
        ++inside_guard;
      }
    }
  }
  EXPECT_EQ(inside_guard, 0);
}

}  // namespace
}  // namespace corvane
