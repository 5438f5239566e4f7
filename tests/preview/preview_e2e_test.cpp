// The preview as a host runs it: Corvane.scr started with "/p <window id>" for a pane the test
// made, on a private Xvfb, from a folder without the effect library.
#include <unistd.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/image_decode.h"
#include "resources/preview_picture.h"
#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

constexpr std::uint32_t kPaneColour = 0x336699;
constexpr std::uint32_t kDialogColour = 0xC0C0C0;
// Ending with the host takes well under a second; the bound is loose because these tests share a
// busy machine with sanitizer builds, and a preview that never ends still fails it.
constexpr std::chrono::milliseconds kEndWithHost{5000};

struct Pane {
  Window window = 0;
  int x = 0, y = 0, width = 0, height = 0;  // On the screen.
};

class PreviewE2eTest : public XvfbTest {
 protected:
  PreviewE2eTest() {
    const std::span<const unsigned char> jpeg = PreviewPicture();
    gfx::ImageResult decoded = gfx::DecodeJpeg({jpeg.data(), jpeg.size()});
    if (decoded) picture_ = std::move(decoded.surface());
  }

  // A host's pane: a window of the given size, either top-level or inside a dialog window.
  Pane MakePane(Display* connection, int x, int y, int width, int height, Window dialog = 0) {
    XSetWindowAttributes attributes{};
    attributes.background_pixel = kPaneColour;
    attributes.override_redirect = True;
    const Window parent = dialog != 0 ? dialog : DefaultRootWindow(connection);
    const Window window = XCreateWindow(
        connection, parent, dialog != 0 ? 10 : x, dialog != 0 ? 10 : y,
        static_cast<unsigned>(width), static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
        CopyFromParent, CWBackPixel | CWOverrideRedirect, &attributes);
    XMapWindow(connection, window);
    XSync(connection, False);
    return Pane{window, x, y, width, height};
  }

  Child* StartPreview(const Pane& pane, const std::string& separator = " ") {
    return Launch(copy_.program(), {"/p" + separator + std::to_string(pane.window)},
                  copy_.Environment());
  }

  // What the pane must show: the picture at its own size from the top-left, black beyond it.
  std::vector<std::uint32_t> Expected(const Pane& pane) const {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < pane.height; ++y) {
      for (int x = 0; x < pane.width; ++x) {
        const bool inside = x < picture_.width() && y < picture_.height();
        pixels.push_back(inside ? picture_.Row(y)[x] : 0);
      }
    }
    return pixels;
  }

  std::vector<std::uint32_t> Shown(const Pane& pane) {
    return ReadPixels(root(), pane.x, pane.y, pane.width, pane.height);
  }

  // Whether the pane comes to show exactly what it must.
  bool ShowsPicture(const Pane& pane) {
    const std::vector<std::uint32_t> expected = Expected(pane);
    return WaitUntil([&] { return Shown(pane) == expected; });
  }

  void Destroy(Window window) {
    XDestroyWindow(display(), window);
    XSync(display(), False);
  }

  gfx::Surface picture_;
  ProgramCopy copy_{BuildPath("."), false};
};

TEST_F(PreviewE2eTest, TheProgramEndsWhenTheHostClosesItsDialogOrQuits) {
  {
    // The dialog that holds the pane is closed: the pane goes with it.
    const Window dialog = PaintWindow(100, 100, 200, 160, kDialogColour);
    const Pane pane = MakePane(display(), 110, 110, 152, 112, dialog);
    Child* preview = StartPreview(pane, ":");
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(ShowsPicture(pane));
    Destroy(dialog);
    EXPECT_EQ(WaitExit(*preview, kEndWithHost), 0);
  }
  {
    // The host program quits without destroying anything itself: the server does it.
    Display* host = XOpenDisplay(display_name().c_str());
    ASSERT_NE(host, nullptr);
    const Pane pane = MakePane(host, 60, 40, 152, 112);
    Child* preview = StartPreview(pane);
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(ShowsPicture(pane));
    XCloseDisplay(host);
    EXPECT_EQ(WaitExit(*preview, kEndWithHost), 0);
  }
}

// Each pane shows the picture at its own size from the top-left: black beyond it in the larger
// pane, cut in the smaller one.
TEST_F(PreviewE2eTest, TwoPreviewsRunAtOnceAndEachEndsWithItsOwnPane) {
  ASSERT_EQ(picture_.width(), 152);
  ASSERT_EQ(picture_.height(), 112);
  const Pane first = MakePane(display(), 10, 10, 100, 80);
  const Pane second = MakePane(display(), 300, 200, 200, 150);
  Child* one = StartPreview(first);
  Child* two = StartPreview(second);
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  EXPECT_TRUE(ShowsPicture(first));
  EXPECT_TRUE(ShowsPicture(second));
  Destroy(first.window);
  EXPECT_EQ(WaitExit(*one, kEndWithHost), 0);
  EXPECT_FALSE(WaitExit(*two, std::chrono::milliseconds(0)).has_value());
  EXPECT_TRUE(ShowsPicture(second)) << "the other preview is untouched";
  Destroy(second.window);
  EXPECT_EQ(WaitExit(*two, kEndWithHost), 0);
}

TEST_F(PreviewE2eTest, ThePreviewNeitherReadsNorWritesTheSettings) {
  // With a settings file present, reading it shows as an open and writing as an open or a create.
  const std::string settings = copy_.Path("Corvane.ini");
  const std::string bytes = "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\n; kept\r\n";
  test_support::WriteFileBytes(settings, bytes);
  FolderWatch folder(copy_.Path(""));
  FolderWatch config(copy_.config_folder());
  const Pane pane = MakePane(display(), 0, 0, 152, 112);
  Child* preview = StartPreview(pane);
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(ShowsPicture(pane)) << "shown without Corvane.dll";
  Destroy(pane.window);
  EXPECT_EQ(WaitExit(*preview), 0);
  // Starting the program opens the program file itself, and nothing else in its folders.
  for (const std::string& event : folder.Take()) EXPECT_EQ(event, "open Corvane.scr");
  EXPECT_TRUE(config.Take().empty());
  EXPECT_EQ(test_support::ReadFileBytes(settings), bytes);
}

TEST_F(PreviewE2eTest, WithoutAPaneToShowInTheProgramEndsAtOnce) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"/p"}, {"/p", "999999"}, {"/p:999999"}}) {
    const std::string text = args.size() > 1 ? args[0] + " " + args[1] : args[0];
    Child* preview = Launch(copy_.program(), args, copy_.Environment());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(WaitExit(*preview), 0) << text;
  }
}

}  // namespace
}  // namespace corvane::e2e
