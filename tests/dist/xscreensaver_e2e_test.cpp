// The installed saver as XScreenSaver runs it, on a private Xvfb: drawing into a window a test
// program made and left a desktop picture on (as the settings' preview does), and under the real
// daemon with the saver as its only program.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gfx/png_encode.h"
#include "tests/dist/installed_tree.h"
#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

constexpr std::uint32_t kDesktop = 0x336699;
constexpr int kWidth = 480;
constexpr int kHeight = 240;
constexpr uid_t kNobody = 65534;

// Whether a row shows the desktop picture with something else over part of it: the strip.
bool ShowsStripOverDesktop(const std::vector<std::uint32_t>& row) {
  bool desktop = false;
  bool strip = false;
  for (const std::uint32_t pixel : row) {
    if (pixel == kDesktop) {
      desktop = true;
    } else if (pixel != 0) {
      strip = true;
    }
  }
  return desktop && strip;
}

// The processes running the program file at path.
std::vector<pid_t> ProcessesOf(const std::string& path) {
  std::vector<pid_t> found;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::canonical(path, error);
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::error_code gone;
    if (std::filesystem::read_symlink(entry.path() / "exe", gone) == program && !gone) {
      found.push_back(std::stoi(name));
    }
  }
  return found;
}

class XScreenSaverE2eTest : public XvfbTest {
 protected:
  // The daemon runs as another user, who may connect only when the server lets anyone in.
  ScreenOptions Options() const override {
    ScreenOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.extra_args = {"-ac"};
    return options;
  }

  // Saves what the screen shows when CORVANE_XSCREENSAVER_FRAME names a file.
  void KeepFrame() {
    const char* path = std::getenv("CORVANE_XSCREENSAVER_FRAME");
    if (path == nullptr) return;
    std::optional<gfx::Surface> frame = gfx::Surface::Create(kWidth, kHeight);
    const std::vector<std::uint32_t> pixels = ReadPixels(root(), 0, 0, kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) frame->Row(y)[x] = pixels[y * kWidth + x];
    }
    const auto png = gfx::EncodePng(*frame);
    if (png) test_support::WriteFileBytes(path, std::string(png->begin(), png->end()));
  }

  InstalledTree tree_;
  test_support::TempFolder home_;
};

// The preview's way: "--window-id 0x..." names a window with a screenshot left on it. The saver
// draws the strip over that picture, not over the window's own black, and ends on SIGTERM.
TEST_F(XScreenSaverE2eTest, DrawsTheStripOverTheWindowsScreenshotAndEndsOnSigterm) {
  ASSERT_TRUE(tree_.ok()) << tree_.error();
  const Window pane = PaintWindow(0, 0, kWidth, kHeight, 0x000000);
  const Pixmap shot = XCreatePixmap(display(), pane, kWidth, kHeight,
                                    DefaultDepth(display(), DefaultScreen(display())));
  GC gc = XCreateGC(display(), shot, 0, nullptr);
  XSetForeground(display(), gc, kDesktop);
  XFillRectangle(display(), shot, gc, 0, 0, kWidth, kHeight);
  XFreeGC(display(), gc);
  XChangeProperty(display(), pane, XInternAtom(display(), "_SCREENSAVER_SCREENSHOT", False),
                  XA_PIXMAP, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&shot), 1);
  XSync(display(), False);
  char id[32];
  std::snprintf(id, sizeof id, "0x%lx", pane);
  Child* saver =
      Launch(tree_.Path("bin/corvane"), {"--window-id", id},
             {"XDG_CONFIG_HOME=" + home_.path(), "XSCREENSAVER_WINDOW=" + std::string(id)});
  ASSERT_NE(saver, nullptr);
  EXPECT_TRUE(
      WaitUntil([&] { return ShowsStripOverDesktop(ReadPixels(root(), 0, 100, kWidth, 1)); }));
  Signal(*saver, SIGTERM);
  EXPECT_EQ(WaitExit(*saver), 0);
}

// The daemon, as an unprivileged user (it launches no saver as root) with a home of its own and
// the installed saver as its only program: activating it shows the strip over the desktop it
// covered, deactivating it ends the saver.
TEST_F(XScreenSaverE2eTest, TheDaemonRunsTheSaverOverTheDesktopAndDeactivatingEndsIt) {
  ASSERT_TRUE(tree_.ok()) << tree_.error();
  if (::access("/usr/bin/xscreensaver", X_OK) != 0) {
    GTEST_SKIP() << "xscreensaver is not installed (make deps)";
  }
  ASSERT_EQ(::chmod(tree_.root().c_str(), 0755), 0);
  ASSERT_EQ(::chown(home_.path().c_str(), kNobody, kNobody), 0);
  const std::string program = tree_.Path("bin/corvane");
  test_support::WriteFileBytes(home_ / ".xscreensaver",
                               "mode: one\nselected: 0\nprograms: " + program +
                                   " --root\nlock: False\nfade: False\nunfade: False\n"
                                   "splash: False\ndpmsEnabled: False\ntimeout: 1:00:00\n");
  PaintWindow(0, 0, kWidth, kHeight, kDesktop);
  auto as_nobody = [&](const std::vector<std::string>& command) {
    std::vector<std::string> args = {"-u", "nobody", "--", "/usr/bin/env", "HOME=" + home_.path()};
    args.insert(args.end(), command.begin(), command.end());
    return Launch("/usr/sbin/runuser", args);
  };
  auto command = [&](const char* verb) {
    Child* child = as_nobody({"/usr/bin/xscreensaver-command", verb});
    return child != nullptr && WaitExit(*child) == 0;
  };
  Child* daemon = as_nobody({"/usr/bin/xscreensaver", "-no-splash"});
  ASSERT_NE(daemon, nullptr);
  if (!WaitUntil([&] { return command("-time"); })) {
    GTEST_SKIP() << "the xscreensaver daemon did not start on this machine";
  }

  const std::string saver = tree_.Path("lib/corvane/Corvane.scr");
  ASSERT_TRUE(command("-activate"));
  EXPECT_TRUE(WaitUntil([&] { return !ProcessesOf(saver).empty(); }));
  EXPECT_TRUE(WaitUntil([&] {
    return ShowsStripOverDesktop(ReadPixels(root(), 0, 100, kWidth, 1));
  })) << "the strip over the picture the daemon took of the desktop";
  EXPECT_TRUE(WaitUntil([&] {
    const std::uint32_t middle = ReadPixels(root(), kWidth / 2, 100, 1, 1)[0];
    return middle != kDesktop && middle != 0;
  })) << "the strip sweeps on to the middle";
  KeepFrame();

  ASSERT_TRUE(command("-deactivate"));
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_TRUE(WaitUntil([&] { return ProcessesOf(saver).empty(); }));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - asked);
  RecordProperty("ended_after_ms", static_cast<int>(took.count()));
  command("-exit");
  WaitExit(*daemon);
}

}  // namespace
}  // namespace corvane::e2e
