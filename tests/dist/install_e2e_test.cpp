// `make install` into a DESTDIR: the layout, and the installed launcher running the saver and the
// preview from there on a private Xvfb.
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/dist/installed_tree.h"
#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;

// The width and height a PNG file's header gives, or 0 x 0 when it is no PNG.
std::pair<int, int> PngSize(const std::string& bytes) {
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  auto be32 = [&](std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {be32(16), be32(20)};
}

bool IsExecutable(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXOTH);
}

class InstallE2eTest : public XvfbTest {
 protected:
  InstalledTree tree_;
  test_support::TempFolder config_;
  test_support::TempFolder runtime_;
  std::vector<std::string> Environment() const {
    return {"XDG_CONFIG_HOME=" + config_.path(), "XDG_RUNTIME_DIR=" + runtime_.path()};
  }
};

TEST_F(InstallE2eTest, EveryFileLiesWhereTheDesktopLooksForIt) {
  ASSERT_TRUE(tree_.ok()) << tree_.error();
  for (const char* program : {"bin/corvane", "lib/corvane/Corvane.scr"}) {
    EXPECT_TRUE(IsExecutable(tree_.Path(program))) << program;
  }
  EXPECT_TRUE(fs::is_regular_file(tree_.Path("lib/corvane/Corvane.dll")));

  const std::string entry =
      test_support::ReadFileBytes(tree_.Path("share/applications/corvane.desktop"));
  for (const char* line :
       {"\nName=Corvane settings\n", "\nExec=corvane /c\n", "\nIcon=corvane\n"}) {
    EXPECT_NE(entry.find(line), std::string::npos) << line;
  }
  for (const int size : {32, 64}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::string png = test_support::ReadFileBytes(
        tree_.Path("share/icons/hicolor/" + name + "/apps/corvane.png"));
    EXPECT_EQ(PngSize(png), std::make_pair(size, size)) << name;
  }
  EXPECT_EQ(test_support::ReadFileBytes(tree_.Path("share/man/man6/corvane.6.gz")).substr(0, 2),
            "\x1f\x8b");

  const fs::path avail = tree_.Path("share/fontconfig/conf.avail/65-corvane-dialog-font.conf");
  EXPECT_NE(test_support::ReadFileBytes(avail).find("<family>MS PGothic</family>"),
            std::string::npos);
  const fs::path enabled =
      tree_.Path(CORVANE_INSTALL_SYSCONFDIR "/fonts/conf.d/65-corvane-dialog-font.conf");
  std::error_code error;
  EXPECT_EQ(fs::read_symlink(enabled, error).string(),
            CORVANE_INSTALL_PREFIX "/share/fontconfig/conf.avail/65-corvane-dialog-font.conf");
}

// The launcher passes its arguments through to the program beside the effect library: /s shows
// the display (a missing library would show a message instead) and ends on SIGTERM with status
// 0; /p draws the preview into a pane.
TEST_F(InstallE2eTest, TheLauncherRunsTheSaverAndThePreview) {
  ASSERT_TRUE(tree_.ok()) << tree_.error();
  const std::string launcher = tree_.Path("bin/corvane");
  Child* saver = Launch(launcher, {"/s"}, Environment());
  ASSERT_NE(saver, nullptr);
  EXPECT_NE(WaitForWindow("Corvane_Main"), 0UL);
  Signal(*saver, SIGTERM);
  EXPECT_EQ(WaitExit(*saver), 0);

  const Window pane = PaintWindow(20, 20, 152, 112, 0x336699);
  Child* preview = Launch(launcher, {"/p", std::to_string(pane)}, Environment());
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ReadPixels(root(), 20, 20, 1, 1)[0] != 0x336699; }));
  XDestroyWindow(display(), pane);
  XSync(display(), False);
  EXPECT_EQ(WaitExit(*preview), 0);
}

}  // namespace
}  // namespace corvane::e2e
