#include <sys/stat.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "tests/winapi/emulation/media/real_media_test.h"

namespace corvane::platform {
namespace {

using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

// The real service on SDL's dummy driver, or on none at all.
class MediaBadInput : public audio_test::RealMediaTest {
 protected:
  // A tone as name.wav and name.mp3; the WAV's bytes.
  std::string MakeTone(const std::string& name, double seconds) {
    audio_test::WriteWave(scratch_ / (name + ".wav"), {{440, seconds}});
    EXPECT_TRUE(
        audio_test::EncodeMp3(scratch_ / (name + ".wav"), scratch_ / (name + ".mp3"), "-b 128"));
    return ReadFileBytes(scratch_ / (name + ".wav"));
  }
};

// One row per defence; both the device and wave playback open files through it.
TEST_F(MediaBadInput, UnplayableFilesGiveErrorCodesToOpenAndToPlaySound) {
  Start("dummy");
  const std::string wav = MakeTone("good", 0.1);
  WriteFileBytes(scratch_ / "empty.mp3", "");
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) % 251);
  WriteFileBytes(scratch_ / "garbage.mp3", garbage);
  // A RIFF header whose format chunk is cut off.
  WriteFileBytes(scratch_ / "broken.wav", wav.substr(0, 30));
  ASSERT_EQ(mkfifo((scratch_ / "fifo.wav").c_str(), 0600), 0);
  // Headers outside what real files use, patched into the good file's format chunk.
  WriteFileBytes(scratch_ / "rate 2^31-1.wav",
                 wav.substr(0, 24) + "\xFF\xFF\xFF\x7F" + wav.substr(28));
  WriteFileBytes(scratch_ / "48-bit.wav",
                 wav.substr(0, 34) + std::string("\x30\0", 2) + wav.substr(36));

  const struct {
    const char* name;
    MCIERROR expected;
  } cases[] = {
      {"missing.mp3", kMciErrFileNotFound},    {"fifo.wav", kMciErrFileNotFound},
      {"rate 2^31-1.wav", kMciErrInvalidFile}, {"48-bit.wav", kMciErrInvalidFile},
      {"empty.mp3", kMciErrInvalidFile},       {"garbage.mp3", kMciErrInvalidFile},
      {"broken.wav", kMciErrInvalidFile},      {"good.wav", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Send("open \"" + scratch_ / c.name + "\" type MPEGVideo alias x"), c.expected)
        << c.name;
    Send("close x");
    EXPECT_EQ(PlaySoundA((scratch_ / c.name).c_str(), 0, kSndAsync | kSndLoop), c.expected == 0)
        << c.name;
  }
  EXPECT_FALSE(PlaySoundA((scratch_ / "good.mp3").c_str(), 0, kSndAsync))
      << "wave playback takes RIFF/WAVE files only";
  EXPECT_TRUE(PlaySoundA(nullptr, 0, 0));
}

TEST_F(MediaBadInput, DamagedFilesThatOpenPlayToWhereTheyBreak) {
  Start("dummy");
  std::string huge = MakeTone("tone", 0.4);
  const std::string mp3 = ReadFileBytes(scratch_ / "tone.mp3");
  WriteFileBytes(scratch_ / "truncated.mp3", mp3.substr(0, mp3.size() / 2));
  // An MP3 under a WAV name: the device goes by content, not by name.
  WriteFileBytes(scratch_ / "really an mp3.wav", mp3);
  // A header claiming 4 GB of samples over 0.4 s of data.
  huge.replace(4, 4, "\xF0\xFF\xFF\xFF");
  huge.replace(40, 4, "\xF0\xFF\xFF\xFF");
  WriteFileBytes(scratch_ / "huge.wav", huge);

  for (const char* name : {"truncated.mp3", "really an mp3.wav", "huge.wav"}) {
    ASSERT_EQ(Send("open \"" + scratch_ / name + "\" type MPEGVideo alias x"), 0u) << name;
    ASSERT_EQ(Send("play x wait"), 0u) << name;
    EXPECT_EQ(Status("x", "mode"), "stopped") << name;
    EXPECT_EQ(Status("x", "position"), Status("x", "length")) << name;
    EXPECT_LE(std::stoi(Status("x", "length")), 450) << name;
    EXPECT_EQ(Send("close x"), 0u);
  }
  EXPECT_TRUE(PlaySoundA((scratch_ / "huge.wav").c_str(), 0, kSndSync));
}

TEST_F(MediaBadInput, WithoutAnOutputDevicePlaybackKeepsTimeInSilence) {
  Start("no-such-driver");
  EXPECT_EQ(waveOutGetNumDevs(), 0u);
  MakeTone("tone", 0.3);
  ASSERT_EQ(Send("open \"" + scratch_ / "tone.mp3" + "\" type MPEGVideo alias a"), 0u);
  ASSERT_EQ(Send("play a"), 0u);
  EXPECT_EQ(Status("a", "mode"), "playing");
  ASSERT_EQ(Send("play a wait"), 0u);
  EXPECT_EQ(Status("a", "mode"), "stopped");
  EXPECT_EQ(Status("a", "position"), Status("a", "length"));
}

}  // namespace
}  // namespace corvane::platform
