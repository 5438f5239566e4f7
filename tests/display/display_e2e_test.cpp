#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/xvfb_fixture.h"
#include "tests/platform/media/audio_test_files.h"
#include "tests/platform/media/cd_test_image.h"
#include "tests/support/temp_folder.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#undef None

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;

// The audio output looks for a session bus; without one, the bus library would start a bus of
// its own for the test's X display and leave it running.
constexpr const char* kNoSessionBus = "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus";

// A key press or a click ends the saver well within a second; the bound is loose because these
// tests share a busy machine with sanitizer builds, and a saver that does not end still fails it.
constexpr auto kEndsPromptly = 5s;
constexpr int kWidth = 256;
constexpr int kHeight = 48;

// A frame compared with the desktop it was captured from: the columns where they differ.
struct StripSeen {
  int first = -1;  // -1 when the frame equals the desktop everywhere.
  int last = -1;
  bool only_columns = true;  // Every difference lies in one unbroken run of columns.
};

StripSeen Compare(const std::vector<std::uint32_t>& frame,
                  const std::vector<std::uint32_t>& desktop) {
  std::vector<bool> differs(kWidth, false);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (frame[y * kWidth + x] != desktop[y * kWidth + x]) differs[x] = true;
    }
  }
  StripSeen seen;
  for (int x = 0; x < kWidth; ++x) {
    if (!differs[x]) continue;
    if (seen.first < 0) seen.first = x;
    if (seen.last >= 0 && seen.last != x - 1) seen.only_columns = false;
    seen.last = x;
  }
  return seen;
}

// A copy of the program and its effect library in a folder of the test's own, where the settings
// file the test writes sits beside them, and the PCM that SDL's disk driver writes.
class DisplayE2e : public XvfbTest {
 protected:
  ScreenOptions Options() const override {
    ScreenOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.dpi = 120;  // 12 pixels for 2560 twips: a strip 213 pixels wide.
    return options;
  }

  void SetUp() override {
    XvfbTest::SetUp();
    for (const char* name : {"Corvane.scr", "Corvane.dll"}) {
      std::filesystem::copy_file(BuildPath(name), folder_ / name);
    }
  }

  // The settings file in code page 932: section "Section", keys "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ".
  void WriteSettings(int kind, const std::string& file, int repeat = 0) {
    std::ofstream out(folder_ / "Corvane.ini", std::ios::binary);
    out << "[Section]\r\n"
        << "BGM\x8b\xe6\x95\xaa=" << kind << "\r\n"
        << "BGM\xd8\xcb\xdf\xb0\xc4=" << repeat << "\r\n"
        << "BGM\xcc\xa7\xb2\xd9=" << file << "\r\n";
  }

  Child* Start(const std::vector<std::string>& env = {}) {
    std::vector<std::string> all = {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + Pcm(),
                                    "XDG_CONFIG_HOME=" + (folder_ / "config"), kNoSessionBus};
    all.insert(all.end(), env.begin(), env.end());
    Child* child = Launch(folder_ / "Corvane.scr", {"/s"}, all);
    if (child != nullptr) saver_ = WaitForWindow("Corvane_Main");
    return child;
  }

  std::string Pcm() const { return folder_ / "out.pcm"; }

  // Bands of colour, and a white bar across them, for the saver to capture.
  std::vector<std::uint32_t> PaintDesktop() {
    const std::uint32_t colours[] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020,
                                     0x8030A0, 0x30B0B0, 0x606060, 0xF08080};
    for (int band = 0; band < 8; ++band) {
      PaintWindow(band * kWidth / 8, 0, kWidth / 8, kHeight, colours[band]);
    }
    PaintWindow(0, kHeight / 3, kWidth, kHeight / 6, 0xFFFFFF);
    return ReadPixels(root(), 0, 0, kWidth, kHeight);
  }

  bool StillRunning(Child& child, std::chrono::milliseconds for_how_long) {
    return !WaitExit(child, for_how_long).has_value();
  }

  test_support::TempFolder folder_;
  Window saver_ = 0;
};

// Frames read back while the strip crosses the screen and comes back: everything but the strip's
// columns is the desktop as it was, the strip has its full width whenever it is wholly on the
// screen, it moves in steps of 2 pixels from its start one strip width left of the screen, and it
// turns after it has left the screen on the right. Without music nothing opens an audio device,
// motion does not end the saver, a key does, and the settings file is left as it was.
TEST_F(DisplayE2e, TheStripSweepsAcrossTheCapturedDesktopAndTurnsSilently) {
  constexpr int kStripWidth = 213;
  const std::vector<std::uint32_t> desktop = PaintDesktop();
  WriteSettings(0, "");
  const std::string settings = test_support::ReadFileBytes(folder_ / "Corvane.ini");
  Child* saver = Start();
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(saver_, 0u);

  std::vector<int> lefts;  // Left edges of the strips seen wholly or partly on the left.
  bool saw_whole = false;
  bool turned = false;
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (!turned && std::chrono::steady_clock::now() < deadline) {
    const std::vector<std::uint32_t> frame = ReadPixels(root(), 0, 0, kWidth, kHeight);
    const StripSeen seen = Compare(frame, desktop);
    ASSERT_TRUE(seen.only_columns);
    if (seen.first < 0) continue;
    const int width = seen.last - seen.first + 1;
    ASSERT_LE(width, kStripWidth);
    // Where the strip's left edge is on the screen, its position is known exactly.
    if (seen.first > 0) {
      lefts.push_back(seen.first);
      if (seen.last < kWidth - 1) {
        saw_whole = true;
        EXPECT_EQ(width, kStripWidth);
      }
    }
    if (lefts.size() >= 2 && lefts.back() < lefts[lefts.size() - 2]) turned = true;
  }
  EXPECT_TRUE(turned);
  EXPECT_TRUE(saw_whole);
  // Steps of 2 from the start at -213: every left edge is odd.
  for (int left : lefts) EXPECT_EQ(left % 2, 1) << left;
  // Having turned, it comes back from beyond the right edge: no edge past the screen was missed.
  EXPECT_GT(*std::max_element(lefts.begin(), lefts.end()), kWidth - 40);

  for (int step = 0; step <= 16; ++step) {
    MovePointer(step * (kWidth - 1) / 16, (step * 7) % kHeight);
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_TRUE(StillRunning(*saver, 300ms));
  PressKey(XK_Shift_L);
  EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
  // SDL's disk driver creates its file when an audio device is opened.
  EXPECT_FALSE(std::filesystem::exists(Pcm()));
  EXPECT_EQ(test_support::ReadFileBytes(folder_ / "Corvane.ini"), settings);
}

// How much of the left channel is louder than a whisper, in seconds.
double SoundingSeconds(const std::string& pcm) {
  const std::vector<std::int16_t> samples = platform::audio_test::ReadPcm(pcm);
  std::size_t loud = 0;
  for (std::size_t i = 0; i < samples.size(); i += 2) loud += std::abs(samples[i]) > 1000;
  return static_cast<double>(loud) / platform::audio_test::kRate;
}

TEST_F(DisplayE2e, AnMp3PlaysWhileTheSaverRunsAndStopsWithIt) {
  const std::string wav = folder_ / "tone.wav";
  const std::string mp3 = folder_ / "tone.mp3";
  platform::audio_test::WriteWave(wav, {{440, 3}});
  ASSERT_TRUE(platform::audio_test::EncodeMp3(wav, mp3, "-b 128"));
  WriteSettings(2, mp3);
  const std::string settings = test_support::ReadFileBytes(folder_ / "Corvane.ini");
  Child* saver = Start();
  ASSERT_NE(saver, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return SoundingSeconds(Pcm()) > 0.3; }));
  PressKey(XK_Return);
  EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
  const std::uintmax_t at_end = std::filesystem::file_size(Pcm());
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(std::filesystem::file_size(Pcm()), at_end);
  EXPECT_EQ(test_support::ReadFileBytes(folder_ / "Corvane.ini"), settings);
}

TEST_F(DisplayE2e, AWaveLoopsUntilAClickEndsTheSaver) {
  const std::string wav = folder_ / "short.wav";
  platform::audio_test::WriteWave(wav, {{660, 0.25}, {0, 0.05}});
  WriteSettings(2, wav);
  Child* saver = Start();
  ASSERT_NE(saver, nullptr);
  // More sound than the file holds: it has started over.
  EXPECT_TRUE(WaitUntil([&] { return SoundingSeconds(Pcm()) > 0.6; }));
  Click(3, 3);
  EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
}

TEST_F(DisplayE2e, AWaveNamedLikeAnMp3IsHandedToTheMp3PlayerAndTheSaverRunsOn) {
  const std::string wav = folder_ / "fake.MP3";
  platform::audio_test::WriteWave(wav, {{660, 1}});
  WriteSettings(2, wav);
  Child* saver = Start();
  ASSERT_NE(saver, nullptr);
  EXPECT_TRUE(StillRunning(*saver, 1200ms));
  PressKey(XK_a);
  EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
}

TEST_F(DisplayE2e, ACdImagePlaysAndWithoutADiscTheSaverIsSilent) {
  const std::string cue = folder_ / "disc.cue";
  ASSERT_TRUE(platform::cd_test::MakeImage(cue, {{440, 2}, {660, 2}}));
  WriteSettings(1, "");
  Child* saver = Start({"CORVANE_CDROM=" + cue});
  ASSERT_NE(saver, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return SoundingSeconds(Pcm()) > 0.3; }));
  PressKey(XK_space);
  EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);

  std::filesystem::remove(Pcm());
  Child* without = Start({"CORVANE_CDROM=" + (folder_ / "missing.cue")});
  ASSERT_NE(without, nullptr);
  EXPECT_TRUE(StillRunning(*without, 600ms));
  PressKey(XK_space);
  EXPECT_EQ(WaitExit(*without, kEndsPromptly), 0);
  EXPECT_EQ(SoundingSeconds(Pcm()), 0.0);
}

TEST_F(DisplayE2e, ASecondSaverEndsAtOnceTheFirstStaysOnTopAndEndsOnSigterm) {
  const std::vector<std::uint32_t> desktop = PaintDesktop();
  const std::string wav = folder_ / "loop.wav";
  platform::audio_test::WriteWave(wav, {{440, 0.5}});
  WriteSettings(2, wav);
  Child* first = Start();
  ASSERT_NE(first, nullptr);
  Child* second = Launch(folder_ / "Corvane.scr", {"/s"}, {"SDL_AUDIODRIVER=dummy", kNoSessionBus});
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitExit(*second), 0);

  // Something that covers the saver is covered again in turn.
  const Window cover = PaintWindow(0, 0, kWidth, kHeight, 0x123456);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  XChangeWindowAttributes(display(), cover, CWOverrideRedirect, &attributes);
  XRaiseWindow(display(), cover);
  XSync(display(), False);
  EXPECT_TRUE(
      WaitUntil([&] { return ReadPixels(root(), 5, 5, 1, 1)[0] == desktop[5 * kWidth + 5]; }));

  Signal(*first, SIGTERM);
  EXPECT_EQ(WaitExit(*first, kEndsPromptly), 0);
}

}  // namespace
}  // namespace corvane::e2e
