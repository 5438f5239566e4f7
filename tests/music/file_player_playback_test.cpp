#include <chrono>
#include <thread>

#include "core/shared_state.h"
#include "music/file_player.h"
#include "tests/platform/media/real_media_test.h"

namespace corvane {
namespace {

using platform::audio_test::Segment;

// The file player on the real service, heard through SDL's disk driver. The test plays the display
// form's one-second timer by calling Mp3Repeat once a second.
class FilePlayerPlayback : public platform::audio_test::RealMediaTest {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(FilePlayerPlayback, Mp3IsRestartedWithinASecondOfItsEnd) {
  const std::string wav = scratch_ / "tune.wav";
  BGM_File = scratch_ / "my tune.mp3";
  platform::audio_test::WriteWave(wav, {{440, 0.5}, {880, 0.5}});
  ASSERT_TRUE(platform::audio_test::EncodeMp3(wav, BGM_File, "-b 128"));

  Mp3Start();
  for (int tick = 0; tick < 3; ++tick) {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Mp3Repeat();
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  Mp3Stop();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));

  // A tick may come just before the end and find the tune still playing; the next one restarts
  // it. So: whole tunes, each from its start, with less than a second of silence between them.
  std::vector<Segment> tones;
  for (const Segment& s : Recorded({440, 880})) {
    if (s.frequency != 0) tones.push_back(s);
  }
  int whole_tunes = 0;
  for (std::size_t i = 0; i + 1 < tones.size(); ++i) {
    if (tones[i].frequency != 440 || tones[i + 1].frequency != 880) continue;
    EXPECT_NEAR(tones[i].seconds, 0.5, 0.05) << tones[i].start;
    EXPECT_NEAR(tones[i + 1].seconds, 0.5, 0.05) << tones[i + 1].start;
    ++whole_tunes;
    if (i + 2 < tones.size()) {
      const double end = tones[i + 1].start + tones[i + 1].seconds;
      EXPECT_EQ(tones[i + 2].frequency, 440) << "each restart begins at the start";
      EXPECT_LT(tones[i + 2].start - end, 1.0) << "restart within a second of the end";
    }
  }
  EXPECT_GE(whole_tunes, 2);
}

TEST_F(FilePlayerPlayback, WavLoopsUntilWavStop) {
  BGM_File = scratch_ / "loop.wav";
  platform::audio_test::WriteWave(BGM_File, {{880, 0.1}, {0, 0.1}});
  WavStart();
  EXPECT_EQ(API_Result, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(800));
  WavStop();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  const std::vector<Segment> recorded = Recorded({880});
  int beeps = 0;
  for (const Segment& s : recorded) beeps += s.frequency == 880 ? 1 : 0;
  EXPECT_GE(beeps, 3);
  ASSERT_FALSE(recorded.empty());
  EXPECT_EQ(recorded.back().frequency, 0);
  EXPECT_GT(recorded.back().seconds, 0.2) << "silence after the stop";
}

}  // namespace
}  // namespace corvane
