#include "music/cd_player.h"

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "tests/support/platform_test.h"
#include "winapi/emulation/media/media_service.h"

namespace corvane {
namespace {

using Commands = std::vector<std::string>;

constexpr const char* kTrack = "status cdaudio current track";
constexpr const char* kCount = "status cdaudio number of tracks";
constexpr const char* kMode = "status cdaudio mode";

class CdPlayer : public test_support::PlatformTest {
 protected:
  CdPlayer() {
    CD_ModeBuffer.fill('\0');
    CD_PollEnabled = 0;
    BGM_RepeatTrack = 0;
    media_.SetReply(kTrack, {0, "1"});
    media_.SetReply(kCount, {0, "3"});
    media_.SetReply("status cdaudio position track 3", {0, "03:00:00:00"});
  }
};

// Only the first seven characters of the mode count, in their own case; without a repeat track
// the track answer is never taken as a number; a text that reads as an error is taken for one,
// whatever its case, and a failure ends the polling.
TEST_F(CdPlayer, EachPollSendsWhatTheDiscNeedsAndAFailureEndsThePolling) {
  const Commands queries = {kTrack, kCount, kMode};
  const auto with = [&](std::initializer_list<std::string> more) {
    Commands all = queries;
    all.insert(all.end(), more);
    return all;
  };
  const Commands restart =
      with({"status cdaudio position track 3", "play cdaudio from 03:00:00:00"});
  const Commands play = with({"play cdaudio"});
  constexpr platform::MCIERROR kNotReady = platform::kMciErrDeviceNotReady;
  struct Case {
    std::int16_t repeat;
    platform::MCIERROR track_error;
    const char* track;
    const char* count;
    const char* mode;
    Commands sent;
    std::int16_t enabled = -1;
  };
  for (const Case& c : {
           Case{0, 0, "1", "3", "stopped", play},
           Case{0, 0, "1", "3", "Stopped", queries},
           Case{0, 0, "?", "3", "playing", queries},
           Case{3, 0, "3", "3", "playing", queries},
           Case{3, 0, "3", "3", "stopped", restart},
           Case{0, kNotReady, "", "3", "stopped", {kTrack}, 0},
           Case{0, 0, "1", "Err", "stopped", {kTrack, kCount}, 0},
       }) {
    SCOPED_TRACE(std::to_string(c.repeat) + " " + c.track + " " + c.count + " " + c.mode);
    BGM_RepeatTrack = c.repeat;
    CD_PollEnabled = c.enabled == 0 ? -1 : 0;  // The poll must set it either way.
    media_.SetReply(kTrack, {c.track_error, c.track});
    media_.SetReply(kCount, {0, c.count});
    media_.SetReply(kMode, {0, c.mode});
    media_.ClearLog();
    CdPoll();
    EXPECT_EQ(media_.commands(), c.sent);
    EXPECT_EQ(CD_PollEnabled, c.enabled);
  }
}

TEST_F(CdPlayer, ARepeatTrackBeyondTheDiscKeepsTryingEveryPoll) {
  BGM_RepeatTrack = 7;
  media_.SetReply(kMode, {0, "stopped"});
  media_.SetReply("status cdaudio position track 7", {platform::kMciErrOutOfRange, ""});
  media_.SetReply("play cdaudio from Error:282", {platform::kMciErrBadInteger, ""});
  for (int poll = 0; poll < 2; ++poll) {
    media_.ClearLog();
    CdPoll();
    EXPECT_EQ(media_.commands(), (Commands{kTrack, kCount, kMode, "status cdaudio position track 7",
                                           "play cdaudio from Error:282"}));
    EXPECT_EQ(CD_PollEnabled, -1);
  }
}

}  // namespace
}  // namespace corvane
