#include "tools/demo_desktop/desktop_layers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/system_font_loader.h"
#include "platform/gfx/blit.h"
#include "resources/scene/desktop_scene.h"

namespace corvane {
namespace {

platform::SystemFontLoader& Fonts() {
  static platform::SystemFontLoader loader;
  return loader;
}

int DifferingPixels(const gfx::Surface& a, const gfx::Surface& b, const gfx::Rect& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += a.Row(y)[x] != b.Row(y)[x] ? 1 : 0;
  }
  return count;
}

TEST(DesktopLayers, StackedBackToFrontTheyShowExactlyTheScene) {
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{1280, 1024}, {1600, 500}, {600, 1600}, {64, 48}};
  for (const Size& size : sizes) {
    const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
    std::optional<DesktopLayers> layers = MakeDesktopLayers(size.width, size.height, Fonts());
    ASSERT_TRUE(layers.has_value()) << name;

    // What the X server shows: the backdrop, then every window over it in order.
    gfx::Surface screen = *gfx::Surface::Create(size.width, size.height);
    gfx::Blit(screen, 0, 0, size.width, size.height, layers->backdrop, 0, 0);
    for (const DesktopWindowLayer& window : layers->windows) {
      EXPECT_EQ(window.pixels.width(), window.bounds.right - window.bounds.left) << name;
      EXPECT_EQ(window.pixels.height(), window.bounds.bottom - window.bounds.top) << name;
      gfx::Blit(screen, window.bounds.left, window.bounds.top, window.pixels.width(),
                window.pixels.height(), window.pixels, 0, 0);
    }
    gfx::Surface scene = *gfx::Surface::Create(size.width, size.height);
    DrawDesktopScene(scene, Fonts());
    EXPECT_EQ(DifferingPixels(screen, scene, {0, 0, size.width, size.height}), 0) << name;
  }
}

TEST(DesktopLayers, TheWindowsAreRealLayersNotPaintedOnTheBackdrop) {
  std::optional<DesktopLayers> layers = MakeDesktopLayers(1280, 1024, Fonts());
  ASSERT_TRUE(layers.has_value());
  std::vector<std::string> captions;
  for (const DesktopWindowLayer& window : layers->windows) captions.push_back(window.caption);
  // Back to front, so the active photograph ends on top.
  EXPECT_EQ(captions, (std::vector<std::string>{"企画書.txt — エディタ", "売上レポート.csv",
                                                "ターミナル", "夕焼け.jpg — フォト"}));

  gfx::Surface scene = *gfx::Surface::Create(1280, 1024);
  DrawDesktopScene(scene, Fonts());
  for (const DesktopWindowLayer& window : layers->windows) {
    // Where a window stands, the backdrop shows the wallpaper instead: moving or closing a window
    // would not leave a picture of it behind.
    const gfx::Rect& b = window.bounds;
    const int area = (b.right - b.left) * (b.bottom - b.top);
    EXPECT_GT(DifferingPixels(layers->backdrop, scene, b), area / 2) << window.caption;
  }
}

}  // namespace
}  // namespace corvane
