// The preview as a host runs it: Corvane.scr started with "/p <window id>" for a pane the test
// made, on a private Xvfb, from a folder without the effect library.
#include <unistd.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "os/image_decode.h"
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

  // Whether the pane comes to show exactly the picture at its own size from the top-left, black
  // beyond it.
  bool ShowsPicture(const Pane& pane) {
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < pane.height; ++y) {
      for (int x = 0; x < pane.width; ++x) {
        const bool inside = x < picture_.width() && y < picture_.height();
        expected.push_back(inside ? picture_.Row(y)[x] : 0);
      }
    }
    return WaitUntil(
        [&] { return ReadPixels(root(), pane.x, pane.y, pane.width, pane.height) == expected; });
  }

  gfx::Surface picture_;
  ProgramCopy copy_{BuildPath("."), false};
};

// Two previews at once, from a folder without the effect library and with a settings file. Each
// pane shows the picture at its own size from the top-left: black beyond it in the larger pane,
// cut in the smaller one. Each preview ends with its own pane, whether the host closes the dialog
// that holds it or quits without destroying anything itself (the server does it). Neither reads
// changes the settings file (that it does not read it is checked with the start-up unit tests).
TEST_F(PreviewE2eTest, TwoPreviewsEachEndWithTheirHostAndLeaveTheSettingsAlone) {
  ASSERT_GT(picture_.width(), 0) << "the picture decodes";
  const std::string settings = copy_.Path("Corvane.ini");
  const std::string bytes = "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\n; kept\r\n";
  test_support::WriteFileBytes(settings, bytes);
  Display* host = XOpenDisplay(display_name().c_str());
  ASSERT_NE(host, nullptr);
  const Pane first = MakePane(host, 10, 10, 100, 80);
  const Window dialog = PaintWindow(290, 190, 220, 170, kDialogColour);
  const Pane second = MakePane(display(), 300, 200, 200, 150, dialog);
  Child* one = StartPreview(first);
  Child* two = StartPreview(second, ":");
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  EXPECT_TRUE(ShowsPicture(first));
  EXPECT_TRUE(ShowsPicture(second));
  XDestroyWindow(display(), dialog);
  XSync(display(), False);
  EXPECT_EQ(WaitExit(*two, kEndWithHost), 0);
  EXPECT_FALSE(WaitExit(*one, std::chrono::milliseconds(0)).has_value());
  EXPECT_TRUE(ShowsPicture(first)) << "the other preview is untouched";
  XCloseDisplay(host);
  EXPECT_EQ(WaitExit(*one, kEndWithHost), 0);
  EXPECT_EQ(test_support::ReadFileBytes(settings), bytes);
}

}  // namespace
}  // namespace corvane::e2e
