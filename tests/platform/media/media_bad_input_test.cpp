#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/platform/media/real_media_test.h"
#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

// The real service on SDL's dummy driver, or on none at all.
using MediaBadInput = audio_test::RealMediaTest;

TEST_F(MediaBadInput, UnplayableFilesGiveErrorCodesToOpenAndToPlaySound) {
  Start("dummy");
  audio_test::WriteWave(scratch_ / "good.wav", {{440, 0.1}});
  ASSERT_TRUE(audio_test::EncodeMp3(scratch_ / "good.wav", scratch_ / "good.mp3", "-b 128"));
  std::filesystem::create_directory(scratch_ / "folder.mp3");
  WriteFileBytes(scratch_ / "empty.mp3", "");
  WriteFileBytes(scratch_ / "tiny.mp3", "ID3");
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) % 251);
  WriteFileBytes(scratch_ / "garbage.mp3", garbage);
  // A RIFF header whose format chunk is cut off.
  const std::string wav = ReadFileBytes(scratch_ / "good.wav");
  WriteFileBytes(scratch_ / "broken.wav", wav.substr(0, 30));
  ASSERT_EQ(mkfifo((scratch_ / "fifo.mp3").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((scratch_ / "fifo.wav").c_str(), 0600), 0);
  // Headers outside what real files use: each field patched into the good file's format chunk.
  const auto patched = [&](std::size_t offset, std::string bytes) {
    return wav.substr(0, offset) + bytes + wav.substr(offset + bytes.size());
  };
  WriteFileBytes(scratch_ / "rate 2^31-1.wav", patched(24, "\xFF\xFF\xFF\x7F"));
  WriteFileBytes(scratch_ / "rate 4000.wav", patched(24, std::string("\xA0\x0F\0\0", 4)));
  WriteFileBytes(scratch_ / "9 channels.wav", patched(22, std::string("\x09\0", 2)));
  WriteFileBytes(scratch_ / "48-bit.wav", patched(34, std::string("\x30\0", 2)));

  const struct {
    const char* name;
    MCIERROR expected;
  } cases[] = {
      {"missing.mp3", kMciErrFileNotFound},
      {"folder.mp3", kMciErrFileNotFound},
      {"fifo.mp3", kMciErrFileNotFound},
      {"fifo.wav", kMciErrFileNotFound},
      {"rate 2^31-1.wav", kMciErrInvalidFile},
      {"rate 4000.wav", kMciErrInvalidFile},
      {"9 channels.wav", kMciErrInvalidFile},
      {"48-bit.wav", kMciErrInvalidFile},
      {"empty.mp3", kMciErrInvalidFile},
      {"tiny.mp3", kMciErrInvalidFile},
      {"garbage.mp3", kMciErrInvalidFile},
      {"broken.wav", kMciErrInvalidFile},
      {"good.wav", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Send("open \"" + scratch_ / c.name + "\" type MPEGVideo alias x"), c.expected)
        << c.name;
    Send("close x");
    const bool playable = c.expected == 0;
    EXPECT_EQ(PlaySoundA((scratch_ / c.name).c_str(), 0, kSndAsync | kSndLoop), playable) << c.name;
  }
  EXPECT_FALSE(PlaySoundA((scratch_ / "good.mp3").c_str(), 0, kSndAsync))
      << "wave playback takes RIFF/WAVE files only";
  EXPECT_FALSE(PlaySoundA("SystemStart", 0, kSndAsync | kSndAlias));
  EXPECT_TRUE(PlaySoundA(nullptr, 0, 0));
}

TEST_F(MediaBadInput, DamagedFilesThatOpenPlayToWhereTheyBreak) {
  Start("dummy");
  audio_test::WriteWave(scratch_ / "tone.wav", {{440, 0.4}});
  ASSERT_TRUE(audio_test::EncodeMp3(scratch_ / "tone.wav", scratch_ / "tone.mp3", "-b 128"));
  const std::string mp3 = ReadFileBytes(scratch_ / "tone.mp3");
  const std::string wav = ReadFileBytes(scratch_ / "tone.wav");
  WriteFileBytes(scratch_ / "truncated.mp3", mp3.substr(0, mp3.size() / 2));
  // An MP3 under a WAV name: the device goes by content, not by name.
  WriteFileBytes(scratch_ / "really an mp3.wav", mp3);
  // A header claiming 4 GB of samples over 0.4 s of data.
  std::string huge = wav;
  huge.replace(4, 4, "\xF0\xFF\xFF\xFF");
  huge.replace(40, 4, "\xF0\xFF\xFF\xFF");
  WriteFileBytes(scratch_ / "huge.wav", huge);
  WriteFileBytes(scratch_ / "truncated.wav", wav.substr(0, wav.size() / 3));

  for (const char* name : {"truncated.mp3", "really an mp3.wav", "huge.wav", "truncated.wav"}) {
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
  audio_test::WriteWave(scratch_ / "tone.wav", {{440, 0.3}});
  ASSERT_TRUE(audio_test::EncodeMp3(scratch_ / "tone.wav", scratch_ / "tone.mp3", "-b 128"));
  ASSERT_EQ(Send("open \"" + scratch_ / "tone.mp3" + "\" type MPEGVideo alias MP3Play"), 0u);
  ASSERT_EQ(Send("play MP3Play"), 0u);
  EXPECT_EQ(Status("MP3Play", "mode"), "playing");
  ASSERT_EQ(Send("play MP3Play wait"), 0u);
  EXPECT_EQ(Status("MP3Play", "mode"), "stopped");
  EXPECT_EQ(Status("MP3Play", "position"), Status("MP3Play", "length"));
  ASSERT_EQ(Send("play MP3Play from 0"), 0u);
  EXPECT_EQ(Status("MP3Play", "mode"), "playing");
  EXPECT_EQ(Send("close MP3Play"), 0u);
}

}  // namespace
}  // namespace corvane::platform
