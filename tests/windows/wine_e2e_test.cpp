// The Windows build end to end, under Wine on a private Xvfb: the saver, the settings dialog and
// the start-up rules as a Windows host would meet them. Wine draws the program's windows as X
// windows, so the harness of the Linux build reads and drives them the same way.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/differing_columns.h"
#include "tests/e2e/settings_dialog.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/winapi/emulation/media/audio_test_files.h"
#include "tests/windows/wine_program.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
// The rows read back to follow the strip, which runs the whole height.
constexpr int kRows = 32;
// 2560 twips at 15 twips a pixel.
constexpr int kStripWidth = 171;
// Wine starts slower than the program does on Linux, the first time in a run most of all.
constexpr std::chrono::milliseconds kWinePatience = 60s;

// The environment of a Japanese system, whose code page for text is 932, from a locale made for
// the run (the machine need not have one); empty when it cannot be made.
std::vector<std::string> JapaneseSystem() {
  static test_support::TempFolder folder;
  static const bool made =
      std::system(("localedef -c -i ja_JP -f UTF-8 " + folder / "ja_JP.UTF-8").c_str()) == 0;
  if (!made) return {};
  return {"LOCPATH=" + folder.path(), "LANG=ja_JP.UTF-8", "LC_ALL=ja_JP.UTF-8"};
}

class WineE2e : public XvfbTest {
 protected:
  ScreenOptions Options() const override { return {kWidth, kHeight, 96, {}}; }

  // Wine's server outlives its programs for a while, and keeps the display they had: each test
  // starts and ends with none, so that its programs show on its own display.
  void SetUp() override {
    XvfbTest::SetUp();
    EndWine();
  }
  void TearDown() override {
    EndWine();
    XvfbTest::TearDown();
  }
  void EndWine() {
    Child* server = Launch("/usr/bin/wineserver", {"-k"}, WineProgram::Environment(Windows()));
    if (server != nullptr) WaitExit(*server);
  }

  static std::string Windows() { return BuildPath("../build-windows"); }

  Child* Start(const WineProgram& program, const std::vector<std::string>& args,
               const std::vector<std::string>& system = {}) {
    std::vector<std::string> env = program.Environment();
    env.insert(env.end(), system.begin(), system.end());
    return Launch(WineProgram::kWine, program.Arguments(args), env);
  }

  // A line a Windows program wrote, without the carriage return Wine passes on.
  std::optional<std::string> WindowsLine(Child& child) {
    std::optional<std::string> line = ReadLine(child, kWinePatience);
    if (line && !line->empty() && line->back() == '\r') line->pop_back();
    return line;
  }

  std::vector<std::uint32_t> TopRows() { return ReadPixels(root(), 0, 0, kWidth, kRows); }
};

TEST_F(WineE2e, TheSaverSweepsTheCapturedDesktopASecondEndsAndAKeyEndsIt) {
  WineProgram program(Windows(), true);
  const std::string settings = Ini(0, "0");
  test_support::WriteFileBytes(program.Path("Corvane.ini"), settings);
  for (int band = 0; band < 8; ++band) {
    PaintWindow(band * kWidth / 8, 0, kWidth / 8, kHeight,
                0x202020u * static_cast<unsigned>(band + 1));
  }
  PaintWindow(0, kRows / 3, kWidth, kRows / 3, 0xFFFFFF);
  const std::vector<std::uint32_t> desktop = TopRows();

  Child* saver = Start(program, {"/s"});
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(WaitForWindow("Corvane_Main", kWinePatience), 0u);
  // Two frames with the strip wholly on the screen, at two places: it moves, and it is the only
  // thing that differs from the desktop.
  std::vector<int> places;
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (places.size() < 2 && std::chrono::steady_clock::now() < deadline) {
    const auto [first, last] = DifferingColumns(TopRows(), desktop, kWidth, kRows);
    ASSERT_LE(last - first + 1, kStripWidth);
    if (first > 0 && last < kWidth - 1 && (places.empty() || places.back() != first)) {
      EXPECT_EQ(last - first + 1, kStripWidth) << first << " to " << last;
      places.push_back(first);
    }
  }
  EXPECT_EQ(places.size(), 2u) << "the strip was not seen moving across the screen";
  Child* second = Start(program, {"/s"});
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitExit(*second, kWinePatience), 0) << "a second saver did not end at once";

  PressKey(XK_Shift_L);
  EXPECT_EQ(WaitExit(*saver, kWinePatience), 0);
  EXPECT_EQ(test_support::ReadFileBytes(program.Path("Corvane.ini")), settings);
}

TEST_F(WineE2e, AMissingLibraryIsSaid) {
  WineProgram without(Windows(), false);
  Child* alone = Start(without, {"/s"});
  ASSERT_NE(alone, nullptr);
  EXPECT_NE(WaitForWindow("Corvane (Screen Saver)", kWinePatience), 0u);
}

// The same settings file, byte for byte, whatever code page the system uses for text.
TEST_F(WineE2e, TheDialogSavesOnOkInCodePage932AndCancelWritesNothing) {
  const std::vector<std::string> japanese = JapaneseSystem();
  ASSERT_FALSE(japanese.empty()) << "no Japanese locale could be made";
  const struct {
    const char* name;
    Spot button;
    std::string after;
    std::vector<std::string> system;
  } cases[] = {
      {"OK", kOk, Ini(1, "3"), {}},
      {"Cancel", kCancel, Ini(0, "3"), {}},
      {"OK on a Japanese system", kOk, Ini(1, "3"), japanese},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WineProgram program(Windows(), true);
    test_support::WriteFileBytes(program.Path("Corvane.ini"), Ini(0, "3"));
    Child* dialog = Start(program, {"/c"}, c.system);
    ASSERT_NE(dialog, nullptr);
    const Window window = WaitForWindow("<Corvane>", kWinePatience);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(ViewableRect(window, kWinePatience), (std::vector<int>{kLeft, kTop, 450, 319}));
    // The CD row's label picks its kind; then the button.
    Click(kCdLabel.x, kCdLabel.y);
    Click(c.button.x, c.button.y);
    EXPECT_EQ(WaitExit(*dialog, kWinePatience), 0);
    EXPECT_EQ(test_support::ReadFileBytes(program.Path("Corvane.ini")), c.after);
  }
}

// The link goes to the system's shell, which under Wine hands it to the desktop's opener: a
// stand-in records what it was asked to open.
TEST_F(WineE2e, TheLinkOpensThroughTheShell) {
  WineProgram program(Windows(), true);
  const std::string bin = program.Path("bin"), asked = program.Path("xdg-open.args");
  std::filesystem::create_directory(bin);
  test_support::WriteFileBytes(bin + "/xdg-open",
                               "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + asked + "\n");
  std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
  Child* dialog = Start(program, {"/c"}, {"PATH=" + bin + ":/usr/bin:/bin"});
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(WaitForWindow("<Corvane>", kWinePatience), 0u);
  // The link opens on the release of the right button, as on Linux, once the pointer is over it.
  MovePointer(kLink.x, kLink.y);
  WaitUntil([] { return false; }, 500ms);
  Click(kLink.x, kLink.y, 3);
  EXPECT_TRUE(
      WaitUntil([&] { return !test_support::ReadFileBytes(asked).empty(); }, kWinePatience));
  EXPECT_EQ(test_support::ReadFileBytes(asked), "https://corvane.example.org/\n");
  Click(kCancel.x, kCancel.y);
  EXPECT_EQ(WaitExit(*dialog, kWinePatience), 0);
}

// What plays reaches an ALSA device that writes to a file, as Wine's own audio driver finds it
// through the private home's configuration. The MP3 is a short tone, so a loop shows as bursts.
TEST_F(WineE2e, AChosenMp3PlaysAndLoops) {
  WineProgram program(Windows(), true);
  const std::string home = program.Path("home"), sink = program.Path("out.raw");
  std::filesystem::create_directory(home);
  test_support::WriteFileBytes(
      home + "/.asoundrc",
      "pcm.!default { type file; slave.pcm \"null\"; file \"" + sink + "\"; format \"raw\" }\n");
  platform::audio_test::WriteWave(program.Path("tone.wav"), {{440, 0.5}});
  ASSERT_TRUE(
      platform::audio_test::EncodeMp3(program.Path("tone.wav"), program.Path("music.mp3"), ""));
  std::string windows_path = "Z:" + program.Path("music.mp3");
  std::replace(windows_path.begin(), windows_path.end(), '/', '\\');
  test_support::WriteFileBytes(program.Path("Corvane.ini"), Ini(2, "0", windows_path));

  Child* saver = Start(program, {"/s"}, {"HOME=" + home});
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(WaitForWindow("Corvane_Main", kWinePatience), 0u);
  // Blocks of a tenth of a second: the tone starts at least twice.
  const auto bursts = [&] {
    const std::vector<std::int16_t> pcm = platform::audio_test::ReadPcm(sink);
    int starts = 0;
    bool loud = false;
    for (std::size_t block = 0; block + 8820 <= pcm.size(); block += 8820) {
      const bool was_loud = std::exchange(
          loud, std::any_of(pcm.begin() + block, pcm.begin() + block + 8820,
                            [](std::int16_t sample) { return std::abs(int{sample}) > 1000; }));
      if (loud && !was_loud) ++starts;
    }
    return starts;
  };
  EXPECT_TRUE(WaitUntil([&] { return bursts() >= 2; }, kWinePatience)) << bursts() << " bursts";
  PressKey(XK_Shift_L);
  EXPECT_EQ(WaitExit(*saver, kWinePatience), 0);
}

// Wine does not show what a preview draws inside another program's window: the host reports the
// child window the saver makes in it, and the saver ends with that window.
TEST_F(WineE2e, APreviewLivesInTheHostsWindowAndEndsWithIt) {
  WineProgram program(Windows(), true);
  Child* host = Launch(WineProgram::kWine, {Windows() + "/tests/preview_host.exe", "6000"},
                       WineProgram::Environment(Windows()));
  ASSERT_NE(host, nullptr);
  const std::optional<std::string> handle = WindowsLine(*host);
  ASSERT_TRUE(handle.has_value());
  Child* preview = Start(program, {"/p", *handle});
  ASSERT_NE(preview, nullptr);
  // The child may show first at another size, before the saver fits it to the host's window.
  std::optional<std::string> report;
  do {
    report = WindowsLine(*host);
  } while (report && *report != "child 152 112");
  EXPECT_TRUE(report.has_value()) << "no child of the host's size";
  EXPECT_EQ(WaitExit(*host, kWinePatience), 0);
  EXPECT_EQ(WaitExit(*preview, kWinePatience), 0) << "the preview outlived its host's window";
}

}  // namespace
}  // namespace corvane::e2e
