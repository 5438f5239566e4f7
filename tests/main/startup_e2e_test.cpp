// Start-up as the hosts run it: the real Corvane.scr, copied with or without its effect library
// into a folder of its own, on a private Xvfb.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

constexpr char kTitle[] = "Corvane (Screen Saver)";
constexpr char kMissingLibrary[] = "Corvane.dll が同じﾌｫﾙﾀﾞに見つかりません！";
constexpr char kSettings[] = "[Section]\r\nBGM\x8b\xe6\x95\xaa=0\r\n";

struct Shot {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

class StartupE2eTest : public XvfbTest {
 protected:
  Child* Start(const ProgramCopy& copy, const std::vector<std::string>& args) {
    return Launch(copy.program(), args, copy.Environment());
  }

  // A window of another copy of the program, recognised by its caption alone.
  Window CaptionedWindow(const std::string& caption) {
    const Window window = PaintWindow(500, 400, 40, 30, 0x808080);
    XStoreName(display(), window, caption.c_str());
    XSync(display(), False);
    return window;
  }

  // The message box once it is on screen and drawn, as the window's own pixels. A box that is
  // still being drawn reads back differently from one poll to the next, so wait until two agree.
  Shot WaitForBox() {
    const Window box = WaitForWindow(kTitle);
    Shot shot;
    if (box == 0) return shot;
    XWindowAttributes attributes{};
    WaitUntil([&] {
      XGetWindowAttributes(display(), box, &attributes);
      return attributes.map_state == IsViewable;
    });
    shot.width = attributes.width;
    shot.height = attributes.height;
    std::vector<std::uint32_t> last;
    WaitUntil([&] {
      shot.pixels = ReadPixels(box, 0, 0, shot.width, shot.height);
      const bool settled = !shot.pixels.empty() && shot.pixels == last;
      last = shot.pixels;
      return settled;
    });
    return shot;
  }

  // Enter presses the focused OK button; dismissing by a click is the window system's own test.
  void PressOk() {
    XSetInputFocus(display(), FindWindow(kTitle), RevertToParent, CurrentTime);
    PressKey(XK_Return);
  }

  // The box with the exact caption and text, drawn by the window system's own test program.
  Shot ReferenceBox() {
    Child* probe = Launch(BuildPath("tests/x11_probe"), {"msgbox", kTitle, kMissingLibrary});
    if (probe == nullptr || ReadLine(*probe) != "showing") return {};
    Shot shot = WaitForBox();
    PressOk();
    WaitExit(*probe);
    return shot;
  }
};

TEST_F(StartupE2eTest, ACopyAlreadyOnScreenEndsEveryNewStartSilently) {
  // Without the library every switch but "/p" would show the message box and wait, and "/p"
  // would wait for its pane: ending at once, with nothing read, shows the test came first.
  ProgramCopy copy(BuildPath("."), false);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), kSettings);
  const Window pane = PaintWindow(0, 0, 152, 112, 0x336699);
  for (const char* caption : {"Corvane_Main", "<Corvane>"}) {
    const Window running = CaptionedWindow(caption);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"/s"}, {"/c"}, {"/a"}, {}, {"/p", std::to_string(pane)}}) {
      const std::string text = args.empty() ? "(empty)" : args[0];
      FolderWatch folder(copy.Path(""));
      Child* child = Start(copy, args);
      ASSERT_NE(child, nullptr);
      EXPECT_EQ(WaitExit(*child), 0) << caption << " " << text;
      for (const std::string& event : folder.Take()) {
        EXPECT_EQ(event, "open Corvane.scr") << caption << " " << text;
      }
    }
    XDestroyWindow(display(), running);
  }
}

TEST_F(StartupE2eTest, WithoutTheLibraryTheMessageShowsAndOkEndsTheProgram) {
  const Shot reference = ReferenceBox();
  ASSERT_FALSE(reference.pixels.empty());
  ProgramCopy copy(BuildPath("."), false);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), kSettings);
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"/s"}, {"/c"}, {"/a"}, {}}) {
    const std::string text = args.empty() ? "(empty)" : args[0];
    FolderWatch folder(copy.Path(""));
    Child* child = Start(copy, args);
    ASSERT_NE(child, nullptr);
    const Shot box = WaitForBox();
    EXPECT_EQ(box.width, reference.width) << text;
    EXPECT_EQ(box.height, reference.height) << text;
    EXPECT_TRUE(box.pixels == reference.pixels) << text << ": not the exact caption and text";
    EXPECT_FALSE(WaitExit(*child, std::chrono::milliseconds(0)).has_value()) << text;
    PressOk();
    EXPECT_EQ(WaitExit(*child), 0) << text;
    for (const std::string& event : folder.Take()) {
      EXPECT_EQ(event, "open Corvane.scr") << text << ": the settings are not read";
    }
  }
}

TEST_F(StartupE2eTest, PasswordAndUnknownSwitchesEndAfterReadingTheSettings) {
  ProgramCopy copy(BuildPath("."), true);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), kSettings);
  for (const std::string args : {"/a", "/x"}) {
    FolderWatch folder(copy.Path(""));
    Child* child = Start(copy, {args});
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(WaitExit(*child), 0) << args;
    const std::vector<std::string> events = folder.Take();
    EXPECT_NE(std::find(events.begin(), events.end(), "open Corvane.ini"), events.end()) << args;
  }
  EXPECT_EQ(test_support::ReadFileBytes(copy.Path("Corvane.ini")), kSettings);
}

}  // namespace
}  // namespace corvane::e2e
