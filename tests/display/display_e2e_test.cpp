#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/platform/media/audio_test_files.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/keysym.h>
#undef None

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 256;
constexpr int kHeight = 48;

// The first and last column where a frame differs from the desktop it was captured from (-1
// when nowhere); every difference must lie in one unbroken run of columns.
std::pair<int, int> StripColumns(const std::vector<std::uint32_t>& frame,
                                 const std::vector<std::uint32_t>& desktop) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < kWidth; ++x) {
    bool differs = false;
    for (int y = 0; y < kHeight; ++y) differs |= frame[y * kWidth + x] != desktop[y * kWidth + x];
    if (!differs) continue;
    EXPECT_TRUE(last < 0 || last == x - 1) << "column " << x;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

// How much of the left channel is louder than a whisper, in seconds.
double SoundingSeconds(const std::string& pcm) {
  const std::vector<std::int16_t> samples = platform::audio_test::ReadPcm(pcm);
  std::size_t loud = 0;
  for (std::size_t i = 0; i < samples.size(); i += 2) loud += std::abs(samples[i]) > 1000;
  return static_cast<double>(loud) / platform::audio_test::kRate;
}

class DisplayE2e : public XvfbTest {
 protected:
  ScreenOptions Options() const override {
    ScreenOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.dpi = 120;  // 12 pixels for 2560 twips: a strip 213 pixels wide.
    return options;
  }
};

// A copy of the program and its effect library runs from a folder of the test's own, with an MP3
// as its music. Frames read back while the strip crosses the screen and comes back: everything
// but the strip's columns is the desktop as it was, the strip has its full width whenever it is
// wholly on the screen, it moves in steps of 2 pixels from its start one strip width left of the
// screen, and it turns after it has left the screen on the right. The music plays meanwhile;
// something that covers the saver is covered again in turn; motion does not end the saver, a key
// does and the music stops with it; the settings file is left as it was.
TEST_F(DisplayE2e, TheStripSweepsTheCapturedDesktopWithMusicUntilAKey) {
  constexpr int kStripWidth = 213;
  test_support::TempFolder folder;
  for (const char* name : {"Corvane.scr", "Corvane.dll"}) {
    std::filesystem::copy_file(BuildPath(name), folder / name);
  }
  const std::string pcm = folder / "out.pcm";
  const std::string wav = folder / "tone.wav";
  const std::string mp3 = folder / "tone.mp3";
  platform::audio_test::WriteWave(wav, {{440, 3}});
  ASSERT_TRUE(platform::audio_test::EncodeMp3(wav, mp3, "-b 128"));
  // In code page 932: section "Section", keys "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ".
  const std::string settings =
      "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xd8\xcb\xdf\xb0\xc4=0\r\n"
      "BGM\xcc\xa7\xb2\xd9=" +
      mp3 + "\r\n";
  test_support::WriteFileBytes(folder / "Corvane.ini", settings);
  // Bands of colour, and a white bar across them, for the saver to capture.
  const std::uint32_t colours[] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020,
                                   0x8030A0, 0x30B0B0, 0x606060, 0xF08080};
  for (int band = 0; band < 8; ++band) {
    PaintWindow(band * kWidth / 8, 0, kWidth / 8, kHeight, colours[band]);
  }
  PaintWindow(0, kHeight / 3, kWidth, kHeight / 6, 0xFFFFFF);
  const std::vector<std::uint32_t> desktop = ReadPixels(root(), 0, 0, kWidth, kHeight);

  // Without a session bus the audio output's bus library would start one of its own and leave it.
  Child* saver = Launch(
      folder / "Corvane.scr", {"/s"},
      {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + pcm, "XDG_CONFIG_HOME=" + (folder / "config"),
       "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus"});
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(WaitForWindow("Corvane_Main"), 0u);
  std::vector<int> lefts;  // Left edges of the strips seen wholly or partly on the left.
  bool saw_whole = false;
  bool turned = false;
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (!turned && std::chrono::steady_clock::now() < deadline) {
    const auto [first, last] = StripColumns(ReadPixels(root(), 0, 0, kWidth, kHeight), desktop);
    ASSERT_LE(last - first + 1, kStripWidth);
    // Where the strip's left edge is on the screen, its position is known exactly.
    if (first <= 0) continue;
    lefts.push_back(first);
    if (last < kWidth - 1) {
      saw_whole = true;
      EXPECT_EQ(last - first + 1, kStripWidth);
    }
    if (lefts.size() >= 2 && lefts.back() < lefts[lefts.size() - 2]) turned = true;
  }
  EXPECT_TRUE(turned);
  EXPECT_TRUE(saw_whole);
  // Steps of 2 from the start at -213: every left edge is odd.
  for (int left : lefts) EXPECT_EQ(left % 2, 1) << left;
  // Having turned, it comes back from beyond the right edge: no edge past the screen was missed.
  EXPECT_GT(*std::max_element(lefts.begin(), lefts.end()), kWidth - 40);
  EXPECT_TRUE(WaitUntil([&] { return SoundingSeconds(pcm) > 0.3; }));

  const Window cover = PaintWindow(0, 0, kWidth, kHeight, 0x123456);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  XChangeWindowAttributes(display(), cover, CWOverrideRedirect, &attributes);
  XRaiseWindow(display(), cover);
  XSync(display(), False);
  EXPECT_TRUE(
      WaitUntil([&] { return ReadPixels(root(), 5, 5, 1, 1)[0] == desktop[5 * kWidth + 5]; }));

  for (int step = 0; step <= 16; ++step) {
    MovePointer(step * (kWidth - 1) / 16, (step * 7) % kHeight);
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_FALSE(WaitExit(*saver, 300ms).has_value());
  PressKey(XK_Shift_L);
  // Well within a second; the bound is loose for a machine shared with sanitizer builds.
  EXPECT_EQ(WaitExit(*saver, 5s), 0);
  const std::uintmax_t at_end = std::filesystem::file_size(pcm);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(std::filesystem::file_size(pcm), at_end);
  EXPECT_EQ(test_support::ReadFileBytes(folder / "Corvane.ini"), settings);
}

// While power management has the monitor off the strip rests, and it moves again once the
// monitor is back on. Only where the server has power management: Xvfb has none.
TEST_F(DisplayE2e, TheStripRestsWhileTheMonitorIsOff) {
  int event_base = 0, error_base = 0;
  if (!DPMSQueryExtension(display(), &event_base, &error_base) || !DPMSCapable(display())) {
    GTEST_SKIP() << "this X server has no DPMS power management to switch the monitor off";
  }
  ProgramCopy copy(BuildPath("."), true);
  Launch(copy.program(), {"/s"}, copy.Environment());
  // At 64 ticks a second the strip moves many times in 300 ms; a frame that stays is a rest.
  auto moving = [&] {
    const std::vector<std::uint32_t> before = ReadPixels(root(), 0, 0, kWidth, kHeight);
    std::this_thread::sleep_for(300ms);
    return ReadPixels(root(), 0, 0, kWidth, kHeight) != before;
  };
  EXPECT_TRUE(WaitUntil(moving));
  DPMSEnable(display());
  DPMSForceLevel(display(), DPMSModeOff);
  EXPECT_TRUE(WaitUntil([&] { return !moving(); }));
  DPMSForceLevel(display(), DPMSModeOn);
  EXPECT_TRUE(WaitUntil(moving));
}

}  // namespace
}  // namespace corvane::e2e
