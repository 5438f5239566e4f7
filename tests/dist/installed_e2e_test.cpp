// The build installed into a DESTDIR of each test's own (or, with CORVANE_UNPACKED_TREE, a
// package tools/check-deb.sh unpacked): its files in place, and run from there on a private Xvfb
// under the real XScreenSaver daemon.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;
constexpr std::uint32_t kDesktop = 0x336699;
constexpr int kWidth = 480;

// Whether a row shows the desktop picture with something else over part of it: the strip.
bool ShowsStripOverDesktop(const std::vector<std::uint32_t>& row) {
  const auto others = std::count_if(row.begin(), row.end(), [](auto p) { return p != kDesktop; });
  return std::count(row.begin(), row.end(), 0u) == 0 && others > 0 && others < kWidth;
}

class InstalledE2eTest : public XvfbTest {
 protected:
  // The XScreenSaver daemon runs as another user, who may connect only when anyone may.
  ScreenOptions Options() const override { return {kWidth, 240, 96, {"-ac"}}; }

  void SetUp() override {
    XvfbTest::SetUp();
    if (const char* unpacked = std::getenv("CORVANE_UNPACKED_TREE")) {
      root_ = unpacked;
      return;
    }
    const std::string command = "DESTDIR='" + root_ + "' '" CORVANE_CMAKE "' --install '" +
                                CORVANE_BUILD_TREE + "' >'" + (home_ / "log") + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << test_support::ReadFileBytes(home_ / "log");
  }
  std::string Path(const std::string& relative) const {
    return root_ + CORVANE_INSTALL_PREFIX "/" + relative;
  }
  std::vector<std::string> Environment() const { return {"XDG_CONFIG_HOME=" + home_.path()}; }

  test_support::TempFolder folder_;
  test_support::TempFolder home_;
  std::string root_ = folder_.path();
};

TEST_F(InstalledE2eTest, EveryFileLiesWhereTheDesktopLooksForIt) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {"lib/corvane/Corvane.dll", "\177ELF"},
      {"lib/corvane/corvane-media.so", "\177ELF"},
      {"share/applications/corvane.desktop", "\nExec=corvane /c\n"},
      {"share/icons/hicolor/32x32/apps/corvane.png", std::string("IHDR\0\0\0\x20\0\0\0\x20", 12)},
      {"share/icons/hicolor/64x64/apps/corvane.png", std::string("IHDR\0\0\0\x40\0\0\0\x40", 12)},
      {"share/man/man6/corvane.6.gz", "\x1f\x8b"},
      {"share/fontconfig/conf.avail/65-corvane-dialog-font.conf", "<family>MS PGothic</family>"},
      {"share/xscreensaver/config/corvane.xml", "<command arg=\"--root\"/>"},
      {"share/doc/corvane/copyright", "Copyright:"},
  };
  for (const auto& [file, content] : files) {
    EXPECT_NE(test_support::ReadFileBytes(Path(file)).find(content), std::string::npos) << file;
  }
  std::error_code error;
  EXPECT_EQ(
      fs::read_symlink(
          root_ + CORVANE_INSTALL_SYSCONFDIR "/fonts/conf.d/65-corvane-dialog-font.conf", error),
      CORVANE_INSTALL_PREFIX "/share/fontconfig/conf.avail/65-corvane-dialog-font.conf");
}

// The daemon as an unprivileged user (it starts no saver as root) with a home of its own and the
// saver as its only program: activated, it shows the strip sweeping over the desktop it covered;
// deactivated, it ends the saver.
TEST_F(InstalledE2eTest, UnderTheXScreenSaverDaemon) {
  if (::access("/usr/bin/xscreensaver", X_OK) != 0) GTEST_SKIP() << "no xscreensaver (make deps)";
  ASSERT_EQ(::chmod(root_.c_str(), 0755) | ::chown(home_.path().c_str(), 65534, 65534), 0);
  test_support::WriteFileBytes(home_ / ".xscreensaver",
                               "mode: one\nselected: 0\nprograms: " + Path("bin/corvane") +
                                   " --root\nlock: False\nfade: False\nsplash: False\n");
  PaintWindow(0, 0, kWidth, 240, kDesktop);
  auto as_nobody = [&](const std::string& program, const std::string& option) {
    return Launch("/usr/sbin/runuser",
                  {"-u", "nobody", "--", "/usr/bin/env", "HOME=" + home_.path(), program, option});
  };
  auto command = [&](const char* verb) {
    return WaitExit(*as_nobody("/usr/bin/xscreensaver-command", verb)) == 0;
  };
  as_nobody("/usr/bin/xscreensaver", "-no-splash");
  if (!WaitUntil([&] { return command("-time"); })) GTEST_SKIP() << "the daemon did not start";
  const fs::path saver = Path("lib/corvane/Corvane.scr");
  auto running = [&] {
    std::error_code error;
    for (const auto& process : fs::directory_iterator("/proc", error)) {
      if (fs::read_symlink(process.path() / "exe", error) == saver) return true;
    }
    return false;
  };
  ASSERT_TRUE(command("-activate"));
  EXPECT_TRUE(
      WaitUntil([&] { return ShowsStripOverDesktop(ReadPixels(root(), 0, 99, kWidth, 1)); }));
  EXPECT_TRUE(WaitUntil([&] { return ReadPixels(root(), kWidth / 2, 99, 1, 1)[0] != kDesktop; }))
      << "the strip sweeps on to the middle";
  ASSERT_TRUE(command("-deactivate"));
  EXPECT_TRUE(WaitUntil([&] { return !running(); }));
  command("-exit");
}

}  // namespace
}  // namespace corvane::e2e
