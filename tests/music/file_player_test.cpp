#include "music/file_player.h"

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "os/service.h"
#include "platform/fake/fake_media_service.h"
#include "winapi/emulation/media/media_service.h"

namespace corvane {
namespace {

using platform::FakeMediaService;
using Commands = std::vector<std::string>;

class FilePlayer : public ::testing::Test {
 protected:
  FilePlayer() {
    BGM_File = "/home/u/My Music/テーマ.mp3";
    MP3_ModeBuffer.fill('\0');
  }
  FakeMediaService fake_;
  platform::ScopedService<platform::MediaService> installed_{fake_};
};

// What a successful start sends is checked in the display form's music runs.
TEST_F(FilePlayer, Mp3StartPlaysOnlyWhenOpened) {
  const std::string open = "open \"/home/u/My Music/テーマ.mp3\" type MPEGVideo Alias MP3Play";
  fake_.SetReply(open, {platform::kMciErrFileNotFound, ""});
  Mp3Start();
  EXPECT_EQ(fake_.commands(), (Commands{open}));
}

TEST_F(FilePlayer, RepeatRestartsFromZeroUnlessPlaying) {
  fake_.SetReply("status MP3Play mode", {0, "playing"});
  Mp3Repeat();
  EXPECT_EQ(fake_.commands(), (Commands{"status MP3Play mode"}));
  fake_.ClearLog();
  fake_.SetReply("status MP3Play mode", {0, "stopped"});
  Mp3Repeat();
  EXPECT_EQ(fake_.commands(),
            (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
}

// "playing" at the front of the answer, in that case, is playing; a failed query keeps the last
// answer.
TEST_F(FilePlayer, PlayingIsTheWordAtTheFrontOfTheLastAnswer) {
  const std::pair<platform::MCIERROR, const char*> answers[] = {
      {platform::kMciErrInvalidDeviceName, ""},
      {0, "Playing"},
      {0, "play"},
      {0, "playingX"},
      {platform::kMciErrInvalidDeviceName, ""}};
  const bool playing[] = {false, false, false, true, true};
  for (std::size_t i = 0; i < std::size(answers); ++i) {
    fake_.SetReply("status MP3Play mode", {answers[i].first, answers[i].second});
    EXPECT_EQ(Mp3IsPlaying(), playing[i]) << i;
  }
  EXPECT_EQ(std::string(MP3_ModeBuffer.data()), "playingX");
}

TEST_F(FilePlayer, WavStartLoopsTheFileOnlyWithAnOutputDevice) {
  BGM_File = "/home/u/loop.wav";
  fake_.SetOutputDevices(0);
  WavStart();
  EXPECT_TRUE(fake_.play_sound_calls().empty());

  fake_.SetOutputDevices(2);
  WavStart();
  ASSERT_EQ(fake_.play_sound_calls().size(), 1u);
  EXPECT_EQ(fake_.play_sound_calls()[0].name, "/home/u/loop.wav");
  EXPECT_EQ(fake_.play_sound_calls()[0].flags, 9u);
  EXPECT_TRUE(fake_.commands().empty());
}

}  // namespace
}  // namespace corvane
