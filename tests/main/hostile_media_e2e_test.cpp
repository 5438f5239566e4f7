// The real Corvane.scr with music a careless or hostile user chose: a header that claims an absurd
// rate and an MP3 of many hours, where the environment has no session bus. SDL's disk driver writes
// what would be heard to a file.
#include <signal.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/settings_file.h"
#include "tests/winapi/emulation/media/audio_test_files.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;
namespace audio_test = platform::audio_test;
using test_support::Ini;

// Well within a second on an idle machine; loose because the tests share a busy one.
constexpr auto kEndsPromptly = 5s;
constexpr char kDisplayCaption[] = "Corvane_Main";

std::string AbsurdRateWave(const ProgramCopy& copy) {
  const std::string wav = copy.Path("absurd.wav");
  audio_test::WriteWave(wav, {{440, 1}});
  // The rate and the byte rate of the format chunk: 2,147,483,647 Hz, as a header may claim.
  std::fstream out(wav, std::ios::binary | std::ios::in | std::ios::out);
  out.seekp(24);
  out.write("\xff\xff\xff\x7f\xfc\xff\xff\xff", 8);
  return wav;
}

// About 24 hours of a tone in 86 MB: ten seconds at the smallest frames MP3 has (24 bytes, 24
// kHz at 8 kbit/s), without the header that gives the length, repeated. Reading the length
// from every frame header takes seconds: 7 s on a busy two-core machine.
std::string LongMp3(const ProgramCopy& copy) {
  const std::string wav = copy.Path("chunk.wav");
  const std::string chunk = copy.Path("chunk.mp3");
  audio_test::WriteWave(wav, {{440, 10}}, 24000);
  if (!audio_test::EncodeMp3(wav, chunk, "-t -m m -b 8 --resample 24")) return {};
  const std::string bytes = test_support::ReadFileBytes(chunk);
  const std::string mp3 = copy.Path("long.mp3");
  std::ofstream out(mp3, std::ios::binary);
  for (int i = 0; i < 24 * 360; ++i) out << bytes;
  return mp3;
}

// How much of the left channel is louder than a whisper, in seconds.
double SoundingSeconds(const std::string& pcm) {
  const std::vector<std::int16_t> samples = audio_test::ReadPcm(pcm);
  std::size_t loud = 0;
  for (std::size_t i = 0; i < samples.size(); i += 2) loud += std::abs(samples[i]) > 1000;
  return static_cast<double>(loud) / audio_test::kRate;
}

class HostileMediaE2eTest : public XvfbTest {
 protected:
  void SetUp() override {
    XvfbTest::SetUp();
    // No session bus: the programs started inherit this process's environment.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    test_support::WriteFileBytes(tools_ / "dbus-launch", "#!/bin/sh\ntouch \"$0.ran\"\n");
    std::filesystem::permissions(tools_ / "dbus-launch", std::filesystem::perms::owner_all);
  }

  // A stand-in first on PATH, where the bus library looks for dbus-launch when it is not
  // installed in its own folder (as on the test machines): it leaves a mark if it is ever run.
  std::vector<std::string> Environment(const ProgramCopy& copy) const {
    std::vector<std::string> env = copy.Environment();
    env.push_back("PATH=" + tools_.path() + ":" + std::getenv("PATH"));
    env.push_back("SDL_AUDIODRIVER=disk");
    env.push_back("SDL_DISKAUDIOFILE=" + copy.Path("out.pcm"));
    return env;
  }
  bool Shown(Window window) {
    XWindowAttributes attributes;
    return window != 0 && XGetWindowAttributes(display(), window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
  }

  test_support::TempFolder tools_;
  const std::string bus_launched_ = tools_ / "dbus-launch.ran";
};

// Each music covers the screen at once, plays or stays silent as it should, and ends promptly
// with status 0; none starts a session bus. A silent saver only draws: its core stays mostly
// idle (a spinning one uses a whole core where it has one, a quarter of one on a crowded machine).
TEST_F(HostileMediaE2eTest, MusicNeitherDelaysNorSpinsNorLaunchesABus) {
  struct Case {
    const char* name;
    std::string (*make)(const ProgramCopy& copy);
    bool plays;
    bool by_key;  // Ended by a key, else by SIGTERM.
  };
  for (const Case c :
       {Case{"absurd rate", AbsurdRateWave, false, true}, Case{"long mp3", LongMp3, true, false}}) {
    SCOPED_TRACE(c.name);
    ProgramCopy copy(BuildPath("."), true);
    const std::string music = c.make(copy);
    ASSERT_FALSE(music.empty());
    test_support::WriteFileBytes(copy.Path("Corvane.ini"), Ini(2, "0", music));
    std::filesystem::remove(bus_launched_);
    Child* saver = Launch(copy.program(), {"/s"}, Environment(copy));
    ASSERT_NE(saver, nullptr);
    // On the screen, not merely created: the window shows once start-up is done.
    EXPECT_TRUE(WaitUntil([&] { return Shown(FindWindow(kDisplayCaption)); }, kEndsPromptly));
    const std::string pcm = copy.Path("out.pcm");
    if (c.plays) {
      EXPECT_TRUE(WaitUntil([&] { return SoundingSeconds(pcm) > 0.3; }));
    } else {
      const double before = CpuSeconds(*saver);
      std::this_thread::sleep_for(1s);
      EXPECT_LT(CpuSeconds(*saver) - before, 0.2);
      EXPECT_EQ(SoundingSeconds(pcm), 0.0);
    }
    if (c.by_key) {
      PressKey(XK_space);
    } else {
      Signal(*saver, SIGTERM);
    }
    EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
    EXPECT_FALSE(std::filesystem::exists(bus_launched_));
  }
}

// The music file cut to nothing or removed while it plays. A cut file falls silent without
// spinning on its empty stream; a removed one plays on from the file the saver holds open.
TEST_F(HostileMediaE2eTest, AMusicFileCutOrRemovedWhilePlayingNeitherSpinsNorEndsTheSaver) {
  for (const std::string name : {"tone.mp3", "tone.wav"}) {
    for (const bool removed : {false, true}) {
      SCOPED_TRACE(name + (removed ? " removed" : " cut"));
      ProgramCopy copy(BuildPath("."), true);
      const std::string file = copy.Path(name);
      audio_test::WriteWave(copy.Path("source.wav"), {{440, 30}});
      if (name.ends_with(".mp3")) {
        ASSERT_TRUE(audio_test::EncodeMp3(copy.Path("source.wav"), file, "-b 64"));
      } else {
        std::filesystem::rename(copy.Path("source.wav"), file);
      }
      test_support::WriteFileBytes(copy.Path("Corvane.ini"), Ini(2, "0", file));
      Child* saver = Launch(copy.program(), {"/s"}, Environment(copy));
      ASSERT_NE(saver, nullptr);
      const std::string pcm = copy.Path("out.pcm");
      ASSERT_TRUE(WaitUntil([&] { return SoundingSeconds(pcm) > 0.3; }));
      if (removed) {
        std::filesystem::remove(file);
      } else {
        std::filesystem::resize_file(file, 0);
      }
      std::this_thread::sleep_for(1s);  // What was decoded before plays out.
      const double sounding = SoundingSeconds(pcm);
      const double cpu = CpuSeconds(*saver);
      std::this_thread::sleep_for(1s);
      EXPECT_LT(CpuSeconds(*saver) - cpu, 0.3);
      if (removed) {
        EXPECT_GT(SoundingSeconds(pcm), sounding + 0.5);
      } else {
        EXPECT_LT(SoundingSeconds(pcm), sounding + 0.1);
      }
      Signal(*saver, SIGTERM);
      EXPECT_EQ(WaitExit(*saver, kEndsPromptly), 0);
    }
  }
}

}  // namespace
}  // namespace corvane::e2e
