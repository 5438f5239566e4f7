#include "music/file_player.h"

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "tests/support/platform_test.h"
#include "winapi/emulation/media/media_service.h"

namespace corvane {
namespace {

using Commands = std::vector<std::string>;

class FilePlayer : public test_support::PlatformTest {
 protected:
  FilePlayer() {
    BGM_File = "/home/u/My Music/テーマ.mp3";
    MP3_ModeBuffer.fill('\0');
  }
};

// What a successful start sends, and a file that has ended starting over, are checked in the
// display form's music runs; these are the cases those runs do not reach.
TEST_F(FilePlayer, Mp3StartPlaysOnlyWhenOpened) {
  const std::string open = "open \"/home/u/My Music/テーマ.mp3\" type MPEGVideo Alias MP3Play";
  media_.SetReply(open, {platform::kMciErrFileNotFound, ""});
  Mp3Start();
  EXPECT_EQ(media_.commands(), (Commands{open}));
}

TEST_F(FilePlayer, RepeatLeavesAPlayingFileAlone) {
  media_.SetReply("status MP3Play mode", {0, "playing"});
  Mp3Repeat();
  EXPECT_EQ(media_.commands(), (Commands{"status MP3Play mode"}));
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
    media_.SetReply("status MP3Play mode", {answers[i].first, answers[i].second});
    EXPECT_EQ(Mp3IsPlaying(), playing[i]) << i;
  }
  EXPECT_EQ(std::string(MP3_ModeBuffer.data()), "playingX");
}

TEST_F(FilePlayer, WavStartPlaysNothingWithoutAnOutputDevice) {
  media_.SetOutputDevices(0);
  WavStart();
  EXPECT_TRUE(media_.play_sound_calls().empty());
}

}  // namespace
}  // namespace corvane
