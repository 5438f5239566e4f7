#include "winapi/emulation/media/voice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include "tests/winapi/emulation/media/fake_decoder.h"

namespace corvane::platform {
namespace {

using audio_test::FakeDecoder;
using audio_test::Gate;

constexpr int kMixRate = 44100;

std::vector<float> MixFrames(Voice& voice, std::size_t frames) {
  std::vector<float> mix(frames * 2, 0.0f);
  voice.Mix(mix.data(), frames);
  return mix;
}

TEST(Voice, PlaysTheRangeItIsAskedFor) {
  // Output frame i < sounding is source frame from + i * rate / kMixRate, taken between its two
  // nearest frames, wrapped at the length when looping; mono goes to both sides, and of more
  // channels the front pair is kept. After `sounding` frames there is silence.
  constexpr std::optional<std::int64_t> kToEnd;
  constexpr VoiceState kPlaying = VoiceState::kPlaying, kStopped = VoiceState::kStopped;
  const struct {
    const char* name;
    int rate, channels;
    std::int64_t length, real_length;
    bool known;
    std::int64_t from;
    std::optional<std::int64_t> to;
    bool loop;
    std::int64_t mixed, sounding;
    VoiceState state;
    std::int64_t position, length_after;
  } cases[] = {
      {"range", kMixRate, 2, 1000, 1000, true, 100, 300, false, 400, 200, kStopped, 300, 1000},
      {"loop", kMixRate, 2, 50, 50, true, 20, kToEnd, true, 120, 120, kPlaying, 40, 50},
      {"stream ending early", kMixRate, 2, 1000, 600, true, 0, kToEnd, false, 800, 600, kStopped,
       600, 600},
      {"half rate", kMixRate / 2, 2, 1000, 1000, true, 0, kToEnd, false, 100, 100, kPlaying, 50,
       1000},
      {"mono", kMixRate, 1, 100, 100, true, 0, kToEnd, false, 50, 50, kPlaying, 50, 100},
      {"six channels", kMixRate, 6, 100, 100, true, 0, kToEnd, false, 50, 50, kPlaying, 50, 100},
      {"length being measured", kMixRate, 2, 100, 300, false, 0, kToEnd, false, 400, 300, kStopped,
       300, 300},
      {"empty range", kMixRate, 2, 100, 100, true, 60, 60, false, 10, 0, kStopped, 60, 100},
  };
  const auto at = [](std::int64_t frame, int channel) {
    return FakeDecoder::Sample(frame, channel);
  };
  for (const auto& c : cases) {
    Voice voice(std::make_unique<FakeDecoder>(c.rate, c.channels, c.length, c.real_length, nullptr,
                                              c.known),
                kMixRate);
    voice.Play(c.from, c.to, c.loop);
    const std::vector<float> mix = MixFrames(voice, static_cast<std::size_t>(c.mixed));
    for (std::int64_t i = 0; i < c.mixed; ++i) {
      float left = 0, right = 0;
      if (i < c.sounding) {
        const std::int64_t f = (c.from + i * c.rate / kMixRate) % (c.loop ? c.length : INT64_MAX);
        const float t = static_cast<float>(i * c.rate % kMixRate) / kMixRate;
        const int r = c.channels == 1 ? 0 : 1;
        left = at(f, 0) + (at(f + 1, 0) - at(f, 0)) * t;
        right = at(f, r) + (at(f + 1, r) - at(f, r)) * t;
      }
      ASSERT_FLOAT_EQ(mix[2 * i], left) << c.name << ", frame " << i;
      ASSERT_FLOAT_EQ(mix[2 * i + 1], right) << c.name << ", frame " << i;
    }
    EXPECT_EQ(voice.State(), c.state) << c.name;
    EXPECT_EQ(voice.PositionFrames(), c.position) << c.name;
    EXPECT_EQ(voice.LengthFrames(), c.length_after) << c.name;
  }
}

TEST(Voice, ControlsTakeEffectAtTheNextMix) {
  Voice voice(std::make_unique<FakeDecoder>(kMixRate, 2, 1000, 1000), kMixRate);
  voice.Play(0, std::nullopt, false);
  MixFrames(voice, 200);
  voice.Stop();
  EXPECT_EQ(MixFrames(voice, 10), std::vector<float>(20, 0.0f)) << "stopped adds nothing";
  EXPECT_EQ(voice.PositionFrames(), 200);
  voice.Play(500, std::nullopt, false);
  EXPECT_EQ(voice.PositionFrames(), 500) << "a new range is answered before it is mixed";
  EXPECT_FLOAT_EQ(MixFrames(voice, 1)[0], FakeDecoder::Sample(500, 0));
}

// The user-interface thread asks the voice's state every 200 ms; a decoder that blocks (a slow
// or scratched disc) must not hold those answers, nor the controls, back.
TEST(Voice, ControlsAndAnswersDoNotWaitForABlockedDecoder) {
  Gate gate;
  Voice voice(std::make_unique<FakeDecoder>(kMixRate, 2, 1000, 1000, &gate), kMixRate);
  voice.Play(0, std::nullopt, false);
  std::thread mixer([&] { MixFrames(voice, 100); });
  gate.entered.get_future().wait();

  auto user_interface = std::async(std::launch::async, [&] {
    const bool playing = voice.State() == VoiceState::kPlaying && voice.PositionFrames() == 0;
    voice.Pause();
    voice.Resume();
    voice.Play(10, std::nullopt, false);
    voice.Stop();
    return playing && voice.State() == VoiceState::kStopped && voice.PositionFrames() == 10;
  });
  // The decoder stays blocked throughout: the calls can only finish without it. The time limit
  // turns a hang into a failure and is never reached by working code.
  const bool returned =
      user_interface.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  gate.release.count_down();
  mixer.join();
  ASSERT_TRUE(returned);
  EXPECT_TRUE(user_interface.get());
  EXPECT_EQ(voice.State(), VoiceState::kStopped) << "the stop given meanwhile holds";
  EXPECT_EQ(voice.PositionFrames(), 10);
}

}  // namespace
}  // namespace corvane::platform
