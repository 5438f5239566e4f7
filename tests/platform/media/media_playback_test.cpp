#include <gmock/gmock.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/platform/media/real_media_test.h"

namespace corvane::platform {
namespace {

using audio_test::Segment;

class MediaPlayback : public audio_test::RealMediaTest {
 protected:
  void SetUp() override { Start(); }

  // Waits for a mode the device must reach; the deadline only keeps a broken build from hanging.
  static bool WaitForMode(const std::string& alias, const std::string& mode) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Status(alias, "mode") != mode) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }
};

TEST_F(MediaPlayback, Mp3EndsStoppedAtItsEndAndPlaysAgainFromZero) {
  const std::string wav = scratch_ / "tone.wav";
  const std::string mp3 = scratch_ / "a tune with blanks.mp3";
  audio_test::WriteWave(wav, {{440, 0.3}, {880, 0.3}});
  ASSERT_TRUE(audio_test::EncodeMp3(wav, mp3, "-b 128"));

  ASSERT_EQ(Send("open \"" + mp3 + "\" type MPEGVideo Alias MP3Play"), 0u);
  EXPECT_EQ(Status("mp3play", "mode"), "stopped");
  const int length = std::stoi(Status("MP3Play", "length"));
  EXPECT_NEAR(length, 600, 30);

  ASSERT_EQ(Send("play MP3Play"), 0u);
  EXPECT_EQ(Status("MP3Play", "mode"), "playing");
  ASSERT_TRUE(WaitForMode("MP3Play", "stopped"));
  EXPECT_EQ(Status("MP3Play", "position"), std::to_string(length));
  EXPECT_EQ(Send("play MP3Play"), 0u) << "nothing left to play is not an error";
  EXPECT_EQ(Status("MP3Play", "mode"), "stopped");

  ASSERT_EQ(Send("play MP3Play from 0"), 0u);
  EXPECT_EQ(Status("MP3Play", "mode"), "playing");
  EXPECT_LT(std::stoi(Status("MP3Play", "position")), length);
  ASSERT_TRUE(WaitForMode("MP3Play", "stopped"));
  EXPECT_EQ(Send("close MP3Play"), 0u);
  EXPECT_EQ(Send("close MP3Play"), kMciErrInvalidDeviceName);

  // Both plays are heard whole and in order: 440 then 880, twice.
  std::vector<int> heard;
  for (const Segment& s : Recorded({440, 880})) {
    if (s.frequency == 0) continue;
    heard.push_back(s.frequency);
    EXPECT_NEAR(s.seconds, 0.3, 0.05) << s.frequency << " at " << s.start;
  }
  EXPECT_EQ(heard, (std::vector<int>{440, 880, 440, 880}));
}

TEST_F(MediaPlayback, LoopedWaveRepeatsIsReplacedAndStops) {
  const std::string low = scratch_ / "low.wav";
  const std::string high = scratch_ / "high";  // found as high.wav, no extension given
  audio_test::WriteWave(low, {{440, 0.15}, {0, 0.05}});
  audio_test::WriteWave(high + ".wav", {{880, 0.15}, {0, 0.05}});
  ASSERT_EQ(waveOutGetNumDevs(), 1u);

  ASSERT_TRUE(PlaySoundA(low.c_str(), 0, kSndAsync | kSndLoop));
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  ASSERT_TRUE(PlaySoundA(high.c_str(), 0, kSndAsync | kSndLoop));
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  ASSERT_TRUE(PlaySoundA(nullptr, 0, 0));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  // Each 0.2 s file sounds several times over, the new one replacing the old; after the stop only
  // silence follows. A beep the loop repeats is whole; the replacement and the stop may cut the
  // one they meet.
  const std::vector<Segment> recorded = Recorded({440, 880});
  std::string order;
  for (std::size_t i = 0; i < recorded.size(); ++i) {
    const Segment& s = recorded[i];
    if (s.frequency != 0) order += s.frequency == 440 ? 'L' : 'H';
    if (s.frequency != 0 && i + 2 < recorded.size() && recorded[i + 2].frequency == s.frequency) {
      EXPECT_NEAR(s.seconds, 0.15, 0.04) << s.start;
    }
  }
  EXPECT_THAT(order, ::testing::MatchesRegex("LLLL*HHHH*"));
  ASSERT_FALSE(recorded.empty());
  EXPECT_EQ(recorded.back().frequency, 0);
  EXPECT_GT(recorded.back().seconds, 0.2);
}

}  // namespace
}  // namespace corvane::platform
