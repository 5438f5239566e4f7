// The demonstration desktop and the screenshot tool together on a private Xvfb: what `make run`
// relies on before it starts the saver.
#include <png.h>

#include <csignal>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/system_font_loader.h"
#include "resources/scene/desktop_scene.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

std::optional<std::vector<std::uint32_t>> ReadPng(const std::string& path, int width, int height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  if (static_cast<int>(image.width) != width || static_cast<int>(image.height) != height) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  std::vector<std::uint32_t> pixels;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    pixels.push_back(static_cast<std::uint32_t>(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]));
  }
  return pixels;
}

std::vector<std::uint32_t> ScenePixels() {
  gfx::Surface scene = *gfx::Surface::Create(kWidth, kHeight);
  platform::SystemFontLoader fonts;
  DrawDesktopScene(scene, fonts);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < kHeight; ++y) {
    pixels.insert(pixels.end(), scene.Row(y), scene.Row(y) + kWidth);
  }
  return pixels;
}

class DemoDesktopTest : public XvfbTest {
 protected:
  ScreenOptions Options() const override { return {kWidth, kHeight, 96, {}}; }

  // The UTF-8 captions of the top-level windows on screen, bottom to top.
  std::vector<std::string> VisibleCaptions() {
    Window root_return = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<std::string> captions;
    if (XQueryTree(display(), root(), &root_return, &parent, &children, &count) == 0) {
      return captions;
    }
    const Atom name = XInternAtom(display(), "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display(), "UTF8_STRING", False);
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display(), children[i], &attributes) == 0 ||
          attributes.map_state != IsViewable) {
        continue;
      }
      Atom type = 0;
      int format = 0;
      unsigned long length = 0;
      unsigned long after = 0;
      unsigned char* data = nullptr;
      if (XGetWindowProperty(display(), children[i], name, 0, 1024, False, utf8, &type, &format,
                             &length, &after, &data) == Success &&
          data != nullptr) {
        captions.emplace_back(reinterpret_cast<const char*>(data), length);
        XFree(data);
      }
    }
    if (children != nullptr) XFree(children);
    return captions;
  }
};

TEST_F(DemoDesktopTest, PutsTheSceneOnScreenInRealWindowsAndTheSnapshotShowsIt) {
  Child* desktop = Launch(BuildPath("tools/corvane_demo_desktop"), {});
  ASSERT_NE(desktop, nullptr);
  const std::optional<std::string> ready = ReadLine(*desktop);
  ASSERT_TRUE(ready.has_value());
  EXPECT_EQ(ready->rfind("ready", 0), 0U) << *ready;

  // Each application window is a top-level window of its own, stacked as the scene draws them.
  EXPECT_EQ(VisibleCaptions(),
            (std::vector<std::string>{"Desktop", "企画書.txt — エディタ", "売上レポート.csv",
                                      "ターミナル", "夕焼け.jpg — フォト"}));
  const std::vector<std::uint32_t> scene = ScenePixels();
  EXPECT_EQ(ReadPixels(root(), 0, 0, kWidth, kHeight), scene);

  test_support::TempFolder folder;
  const std::string shot = folder / "screen.png";
  Child* snap = Launch(BuildPath("tools/corvane_snap"), {shot});
  ASSERT_NE(snap, nullptr);
  EXPECT_EQ(WaitExit(*snap), 0);
  const std::optional<std::vector<std::uint32_t>> pixels = ReadPng(shot, kWidth, kHeight);
  ASSERT_TRUE(pixels.has_value());
  EXPECT_EQ(*pixels, scene);

  // Covered and uncovered again (the saver's window going away), the windows draw themselves back.
  const Window cover = PaintWindow(0, 0, kWidth, kHeight, 0x000000);
  ASSERT_TRUE(WaitUntil([&] { return ReadPixels(root(), 0, 0, 1, 1)[0] == 0; }));
  XDestroyWindow(display(), cover);
  XSync(display(), False);
  EXPECT_TRUE(WaitUntil([&] { return ReadPixels(root(), 0, 0, kWidth, kHeight) == scene; }));

  Signal(*desktop, SIGTERM);
  EXPECT_EQ(WaitExit(*desktop), 0);
}

}  // namespace
}  // namespace corvane::e2e
