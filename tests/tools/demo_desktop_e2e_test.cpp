// The demonstration desktop and the screenshot tool together on a private Xvfb: what `make run`
// relies on before it starts the saver.
#include <png.h>

#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

#include "os/font_loader.h"
#include "platform/fonts/system_font_loader.h"
#include "resources/scene/desktop_scene.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

namespace corvane::e2e {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

class DemoDesktopTest : public XvfbTest {
 protected:
  ScreenOptions Options() const override { return {kWidth, kHeight, 96, {}}; }
};

// The desktop's windows stacked on its backdrop show exactly the scene, and the snapshot of the
// screen is the same picture.
TEST_F(DemoDesktopTest, PutsTheSceneOnScreenAndTheSnapshotShowsIt) {
  gfx::Surface picture = *gfx::Surface::Create(kWidth, kHeight);
  platform::SystemFontLoader fonts;
  DrawDesktopScene(picture, fonts);
  std::vector<std::uint32_t> scene;
  for (int y = 0; y < kHeight; ++y)
    scene.insert(scene.end(), picture.Row(y), picture.Row(y) + kWidth);

  Child* desktop = Launch(BuildPath("tools/corvane_demo_desktop"), {});
  ASSERT_NE(desktop, nullptr);
  ASSERT_TRUE(ReadLine(*desktop).has_value()) << "the desktop says when it is ready";
  EXPECT_EQ(ReadPixels(root(), 0, 0, kWidth, kHeight), scene);

  test_support::TempFolder folder;
  const std::string shot = folder / "screen.png";
  Child* snap = Launch(BuildPath("tools/corvane_snap"), {shot});
  ASSERT_NE(snap, nullptr);
  EXPECT_EQ(WaitExit(*snap), 0);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, shot.c_str()));
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> pixels(image.width * image.height);
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
  EXPECT_EQ(pixels, scene);

  Signal(*desktop, SIGTERM);
  EXPECT_EQ(WaitExit(*desktop), 0);
}

}  // namespace
}  // namespace corvane::e2e
