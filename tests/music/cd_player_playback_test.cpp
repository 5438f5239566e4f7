#include <chrono>
#include <filesystem>
#include <thread>

#include "core/shared_state.h"
#include "music/cd_player.h"
#include "tests/platform/media/cd_test_image.h"
#include "tests/platform/media/real_media_test.h"

namespace corvane {
namespace {

using platform::audio_test::Segment;

// The CD player on the real service and a disc image of three 1 s tones (440, 660 and 880 Hz),
// heard through SDL's disk driver. The test plays the display form's 200 ms timer: it polls,
// copies CD_PollEnabled into "the timer" and stops polling when that turns false.
class CdPlayerPlayback : public platform::audio_test::RealMediaTest {
 protected:
  void SetUp() override {
    setenv("CORVANE_CDROM", cue_.c_str(), 1);
    CD_ModeBuffer.fill('\0');
    Start();
  }

  // Opens the device and polls for `polls` ticks or until the polling ends itself; returns the
  // number of polls made.
  int Run(int polls) {
    CdOpen();
    int made = 0;
    bool enabled = true;
    while (enabled && made < polls) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      CdPoll();
      ++made;
      enabled = CD_PollEnabled != 0;
    }
    if (enabled) CdStop();
    return made;
  }

  // The tones heard, silences left out.
  std::vector<Segment> Heard() {
    std::vector<Segment> tones;
    for (const Segment& s : Recorded({440, 660, 880})) {
      if (s.frequency != 0) tones.push_back(s);
    }
    return tones;
  }

  // How many files this process holds open under `path`.
  static int OpenHandles(const std::string& path) {
    int count = 0;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
      std::error_code error;
      if (std::filesystem::read_symlink(fd.path(), error) == path) ++count;
    }
    return count;
  }

  std::string cue_ = scratch_ / "disc.cue";
};

TEST_F(CdPlayerPlayback, WithoutRepeatTheDiscPlaysThroughAndStartsOver) {
  ASSERT_TRUE(platform::cd_test::MakeImage(cue_, platform::cd_test::kThreeTones));
  BGM_RepeatTrack = 0;
  EXPECT_EQ(Run(18), 18);
  const std::vector<Segment> tones = Heard();
  ASSERT_GE(tones.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(tones[i].frequency, (440 + 220 * (i % 3)));
  for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(tones[i].seconds, 1.0, 0.05) << i;
  // The disc starts over at the first poll that finds it stopped.
  EXPECT_LT(tones[3].start - (tones[2].start + tones[2].seconds), 0.25);
}

TEST_F(CdPlayerPlayback, ARepeatTrackComesBackWhenTheNextOneBegins) {
  ASSERT_TRUE(platform::cd_test::MakeImage(cue_, platform::cd_test::kThreeTones));
  BGM_RepeatTrack = 2;
  EXPECT_EQ(Run(14), 14);
  const std::vector<Segment> tones = Heard();
  ASSERT_GE(tones.size(), 3u);
  // Track 2 whole, track 3 only until the next poll (plus what the output had queued), then
  // track 2 again whole, from its start.
  EXPECT_EQ(tones[0].frequency, 660);
  EXPECT_NEAR(tones[0].seconds, 1.0, 0.05);
  EXPECT_EQ(tones[1].frequency, 880);
  EXPECT_LT(tones[1].seconds, 0.35);
  EXPECT_EQ(tones[2].frequency, 660);
  EXPECT_NEAR(tones[2].seconds, 1.0, 0.05);
  for (const Segment& s : tones) EXPECT_NE(s.frequency, 440);
}

TEST_F(CdPlayerPlayback, ARepeatTrackBeyondTheDiscPlaysNothingAndPollingGoesOn) {
  ASSERT_TRUE(platform::cd_test::MakeImage(cue_, platform::cd_test::kThreeTones));
  BGM_RepeatTrack = 4;
  EXPECT_EQ(Run(4), 4);
  EXPECT_EQ(CD_PollEnabled, -1);
  EXPECT_TRUE(Heard().empty());
}

TEST_F(CdPlayerPlayback, StopAndCloseReleaseTheImage) {
  ASSERT_TRUE(platform::cd_test::MakeImage(cue_, platform::cd_test::kThreeTones));
  const std::string bin = std::filesystem::canonical(scratch_ / "disc.bin").string();
  BGM_RepeatTrack = 0;
  CdOpen();
  CdPoll();
  EXPECT_GE(OpenHandles(bin), 1);
  CdStop();
  EXPECT_EQ(OpenHandles(bin), 0);
  EXPECT_EQ(Status("cdaudio", "mode"),
            "error " + std::to_string(platform::kMciErrInvalidDeviceName));
}

}  // namespace
}  // namespace corvane
