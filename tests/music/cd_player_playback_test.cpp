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

// How many files this process holds open under `path`.
int OpenHandles(const std::string& path) {
  int count = 0;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (std::filesystem::read_symlink(fd.path(), error) == path) ++count;
  }
  return count;
}

class CdPlayerPlayback : public platform::audio_test::RealMediaTest {};

// The CD player on the real service and a disc image of three 1 s tones (440, 660 and 880 Hz),
// heard through SDL's disk driver, polled as the display form's 200 ms timer does. Track 2 plays
// whole, track 3 only until the next poll (plus what the output had queued), then track 2 again
// whole, from its start. Stopping closes the device and lets go of the image.
TEST_F(CdPlayerPlayback, ARepeatTrackComesBackWhenTheNextOneBeginsAndStopReleasesTheImage) {
  const std::string cue = scratch_ / "disc.cue";
  ASSERT_TRUE(platform::cd_test::MakeImage(cue, platform::cd_test::kThreeTones));
  setenv("CORVANE_CDROM", cue.c_str(), 1);
  CD_ModeBuffer.fill('\0');
  Start();
  const std::string bin = std::filesystem::canonical(scratch_ / "disc.bin").string();
  BGM_RepeatTrack = 2;
  CdOpen();
  for (int poll = 0; poll < 14; ++poll) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    CdPoll();
    ASSERT_NE(CD_PollEnabled, 0) << poll;
  }
  EXPECT_GE(OpenHandles(bin), 1);
  CdStop();
  EXPECT_EQ(OpenHandles(bin), 0);
  EXPECT_EQ(Status("cdaudio", "mode"),
            "error " + std::to_string(platform::kMciErrInvalidDeviceName));

  // How the tones line up with the polls depends on how busy the machine is: a track 3 cut very
  // short may not be heard at all, and track 2 then runs on into itself. What must hold: track 1
  // is never heard, track 2 comes first and comes back, and track 3 never plays whole.
  std::vector<Segment> tones;
  for (const Segment& s : Recorded({440, 660, 880})) {
    if (s.frequency != 0) tones.push_back(s);
  }
  ASSERT_FALSE(tones.empty());
  EXPECT_EQ(tones[0].frequency, 660);
  double track_two = 0;
  for (const Segment& s : tones) {
    EXPECT_NE(s.frequency, 440);
    if (s.frequency == 880) {
      EXPECT_LT(s.seconds, 0.9);
    }
    if (s.frequency == 660) track_two += s.seconds;
  }
  EXPECT_GT(track_two, 1.5) << "track 2 came back";
}

}  // namespace
}  // namespace corvane
