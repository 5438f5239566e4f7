#include "music/cd_player.h"

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "platform/fake/fake_media_service.h"

namespace corvane {
namespace {

using platform::FakeMediaService;
using Commands = std::vector<std::string>;

constexpr const char* kTrack = "status cdaudio current track";
constexpr const char* kCount = "status cdaudio number of tracks";
constexpr const char* kMode = "status cdaudio mode";

class CdPlayer : public ::testing::Test {
 protected:
  CdPlayer() {
    CD_ModeBuffer.fill('\0');
    CD_PollEnabled = 0;
    BGM_RepeatTrack = 0;
    fake_.SetReply(kTrack, {0, "1"});
    fake_.SetReply(kCount, {0, "3"});
    fake_.SetReply("status cdaudio position track 3", {0, "03:00:00:00"});
  }

  // One poll with these answers; returns the commands it sent.
  Commands Poll(const std::string& track, const std::string& mode) {
    fake_.SetReply(kTrack, {0, track});
    fake_.SetReply(kMode, {0, mode});
    fake_.ClearLog();
    CdPoll();
    return fake_.commands();
  }

  FakeMediaService fake_;
  platform::ScopedService<platform::MediaService> installed_{fake_};
};

TEST_F(CdPlayer, OpenSetsTrackTimeAndStopCloses) {
  CdOpen();
  EXPECT_EQ(fake_.commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
  fake_.ClearLog();
  fake_.SetReply("close cdaudio", {platform::kMciErrInvalidDeviceName, ""});
  CdStop();
  EXPECT_EQ(fake_.commands(), (Commands{"stop cdaudio", "close cdaudio"}));
  EXPECT_EQ(API_Result, static_cast<std::int32_t>(platform::kMciErrInvalidDeviceName));
}

TEST_F(CdPlayer, EachPollSendsWhatTheDiscNeeds) {
  const Commands queries = {kTrack, kCount, kMode};
  const auto with = [&](std::initializer_list<std::string> more) {
    Commands all = queries;
    all.insert(all.end(), more);
    return all;
  };
  const Commands restart =
      with({"status cdaudio position track 3", "play cdaudio from 03:00:00:00"});
  struct Case {
    std::int16_t repeat;
    const char* track;
    const char* mode;
    Commands sent;
  };
  for (const Case& c : {
           Case{0, "1", "stopped", with({"play cdaudio"})},
           // Only the first seven characters count, in their own case.
           Case{0, "1", "stopped for good", with({"play cdaudio"})},
           Case{0, "1", "Stopped", queries},
           Case{0, "1", "open", queries},
           // Without a repeat track the track answer is never taken as a number.
           Case{0, "?", "playing", queries},
           Case{3, "3", "playing", queries},
           Case{3, "3", "stopped", restart},
           Case{3, "4", "playing", restart},
           Case{3, " 2 ", "playing", restart},
           Case{3, "3.0", "playing", queries},
       }) {
    SCOPED_TRACE(std::to_string(c.repeat) + " " + c.track + " " + c.mode);
    BGM_RepeatTrack = c.repeat;
    EXPECT_EQ(Poll(c.track, c.mode), c.sent);
    EXPECT_EQ(CD_PollEnabled, -1);
  }
}

TEST_F(CdPlayer, AFailureEndsThePolling) {
  const Commands queries = {kTrack, kCount, kMode};
  struct Case {
    std::int16_t repeat;
    std::string track;
    platform::MCIERROR track_error;
    platform::MCIERROR count_error;
    std::string count;
    std::size_t sent;
  };
  for (const Case& c : {
           Case{0, "", platform::kMciErrDeviceNotReady, 0, "3", 1},
           // A text that reads as an error is taken for one, whatever its case.
           Case{0, "terrible", 0, 0, "3", 1},
           Case{0, "1", 0, platform::kMciErrDeviceNotReady, "", 2},
           Case{0, "1", 0, 0, "Err", 2},
           // With a repeat track, a track answer that is no number fails after the mode query.
           Case{3, "x", 0, 0, "3", 3},
           Case{3, "", 0, 0, "3", 3},
       }) {
    SCOPED_TRACE(c.track + " / " + c.count);
    BGM_RepeatTrack = c.repeat;
    fake_.SetReply(kCount, {c.count_error, c.count});
    fake_.SetReply(kTrack, {c.track_error, c.track});
    fake_.SetReply(kMode, {0, "stopped"});
    fake_.ClearLog();
    CdPoll();
    EXPECT_EQ(CD_PollEnabled, 0);
    EXPECT_EQ(fake_.commands(), Commands(queries.begin(), queries.begin() + c.sent));
  }
}

TEST_F(CdPlayer, ARepeatTrackBeyondTheDiscKeepsTryingEveryPoll) {
  BGM_RepeatTrack = 7;
  fake_.SetReply("status cdaudio position track 7", {platform::kMciErrOutOfRange, ""});
  fake_.SetReply("play cdaudio from Error:282", {platform::kMciErrBadInteger, ""});
  for (int poll = 0; poll < 2; ++poll) {
    EXPECT_EQ(Poll("1", "stopped"),
              (Commands{kTrack, kCount, kMode, "status cdaudio position track 7",
                        "play cdaudio from Error:282"}));
    EXPECT_EQ(CD_PollEnabled, -1);
  }
}

}  // namespace
}  // namespace corvane
