#include "winapi/emulation/media/cd_audio_device.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "tests/winapi/emulation/media/audio_test_files.h"
#include "tests/winapi/emulation/media/cd_test_image.h"

namespace corvane::platform {
namespace {

// The cdaudio device behind the real command interpreter, playing into a silent output that
// keeps real time, on the drive named by CORVANE_CDROM.
class CdAudio : public ::testing::Test {
 protected:
  CdAudio() : mixer_(OpenSilentSink(AudioMixer::kRate)) {
    session_.RegisterDeviceType("cdaudio", {},
                                [this](const MciOpenRequest& request, MCIERROR& error) {
                                  return CdAudioDevice::Open(request, mixer_, error);
                                });
  }

  void OpenDisc(const std::string& cue) {
    setenv("CORVANE_CDROM", cue.c_str(), 1);
    ASSERT_EQ(Send("open cdaudio"), "1");
  }

  // The answer, or "error <code>".
  std::string Send(const std::string& command) {
    std::string answer;
    const MCIERROR result = session_.Execute(command, answer);
    return result == 0 ? answer : "error " + std::to_string(result);
  }
  // The answers, each followed by a bar.
  std::string Transcript(std::initializer_list<const char*> commands) {
    std::string answers;
    for (const char* command : commands) answers += Send(command) + "|";
    return answers;
  }

  audio_test::Scratch scratch_;
  AudioMixer mixer_;
  MciSession session_;
};

TEST_F(CdAudio, WithoutAPlayableDiscTheDoorIsOpenAndNothingElseAnswers) {
  using test_support::WriteFileBytes;
  WriteFileBytes(scratch_ / "nobin.cue",
                 "FILE \"nobin.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n");
  // Neither a cue sheet nor the data file it names may block the device: FIFOs count as missing.
  // (Sheets that parse to no disc are the disc's own cases.)
  ASSERT_EQ(mkfifo((scratch_ / "fifo.cue").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((scratch_ / "fifo.bin").c_str(), 0600), 0);
  WriteFileBytes(scratch_ / "fifobin.cue",
                 "FILE \"fifo.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n");

  for (const char* drive : {"missing.cue", "nobin.cue", "fifo.cue", "fifobin.cue", "/dev/null"}) {
    SCOPED_TRACE(drive);
    OpenDisc(scratch_ / drive);
    EXPECT_EQ(Transcript({"status cdaudio mode", "status cdaudio number of tracks",
                          "status cdaudio current track", "play cdaudio", "play cdaudio from 1",
                          "stop cdaudio", "close cdaudio"}),
              "open|error 276|error 276|error 276|error 276|||");
  }
}

TEST_F(CdAudio, StatusAnswersTracksAndTheirPositions) {
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "disc.cue", cd_test::kThreeTones));
  OpenDisc(scratch_ / "disc.cue");
  EXPECT_EQ(Transcript({"status cdaudio number of tracks", "Set CDAudio Time Format TMSF",
                        "status cdaudio position track 3", "status cdaudio position track 4"}),
            "3||03:00:00:00|error 282|");
}

TEST_F(CdAudio, PlayChecksItsRangeAndMovesTheHead) {
  ASSERT_TRUE(cd_test::MakeImage(scratch_ / "disc.cue", cd_test::kThreeTones));
  OpenDisc(scratch_ / "disc.cue");
  ASSERT_EQ(Send("set cdaudio time format tmsf"), "");
  EXPECT_EQ(Transcript({"play cdaudio from 4", "play cdaudio from 3 to 2",
                        "play cdaudio to 3:0:1:0 from 3:0:1:1", "play cdaudio from 0"}),
            "error 282|error 282|error 282|error 282|");
  // An empty range only moves the head; played to its end, the disc starts over from a plain
  // play.
  EXPECT_EQ(Transcript({"play cdaudio from 2 to 2", "status cdaudio position",
                        "status cdaudio mode", "play cdaudio from 2", "status cdaudio mode",
                        "stop cdaudio", "status cdaudio mode", "status cdaudio current track"}),
            "|02:00:00:00|stopped||playing||stopped|2|");
  EXPECT_EQ(Transcript({"play cdaudio from 3:0:0:73 wait", "status cdaudio position",
                        "play cdaudio", "status cdaudio current track", "status cdaudio mode"}),
            "|03:00:01:00||1|playing|");
}

TEST_F(CdAudio, DataTracksAreNeverPlayed) {
  ASSERT_TRUE(
      cd_test::MakeImage(scratch_ / "mixed.cue", {{440, 1, false}, {660, 0.2}, {880, 0.2, false}}));
  OpenDisc(scratch_ / "mixed.cue");
  ASSERT_EQ(Send("set cdaudio time format tmsf"), "");
  // Play asked to start in the data track begins at the audio after it, and stops where the
  // next data track begins.
  EXPECT_EQ(Transcript({"play cdaudio from 1", "status cdaudio current track",
                        "play cdaudio from 1 wait", "status cdaudio position"}),
            "|2||03:00:00:00|");
}

}  // namespace
}  // namespace corvane::platform
