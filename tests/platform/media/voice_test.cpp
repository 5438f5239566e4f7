#include "platform/media/voice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <thread>
#include <vector>

#include "tests/platform/media/fake_decoder.h"

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
  const auto at = [](std::int64_t frame, int channel) {
    return FakeDecoder::Sample(frame, channel);
  };
  const struct {
    const char* name;
    int rate, channels;
    std::int64_t length, real_length;
    bool known;
    std::int64_t from;
    std::optional<std::int64_t> to;
    bool loop;
    std::size_t mixed;
    // The left and right sample expected at output frame i, silence where nullopt.
    std::function<std::optional<std::pair<float, float>>(std::int64_t)> expected;
    VoiceState state;
    std::int64_t position, length_after;
  } cases[] = {
      {"a range stops at its end", kMixRate, 2, 1000, 1000, true, 100, 300, false, 400,
       [&](std::int64_t i) -> std::optional<std::pair<float, float>> {
         if (i >= 200) return std::nullopt;
         return std::pair(at(100 + i, 0), at(100 + i, 1));
       },
       VoiceState::kStopped, 300, 1000},
      {"a loop starts over from the file's start", kMixRate, 2, 50, 50, true, 20, std::nullopt,
       true, 120,
       [&](std::int64_t i) {
         return std::optional(std::pair(at((20 + i) % 50, 0), at((20 + i) % 50, 1)));
       },
       VoiceState::kPlaying, 40, 50},
      {"a stream ending early ends play and the length there", kMixRate, 2, 1000, 600, true, 0,
       std::nullopt, false, 800,
       [&](std::int64_t i) -> std::optional<std::pair<float, float>> {
         if (i >= 600) return std::nullopt;
         return std::pair(at(i, 0), at(i, 1));
       },
       VoiceState::kStopped, 600, 600},
      {"half the mix rate takes each frame twice, halfway between", kMixRate / 2, 2, 1000, 1000,
       true, 0, std::nullopt, false, 100,
       [&](std::int64_t i) {
         const std::int64_t f = i / 2;
         const float t = i % 2 == 0 ? 0.0f : 0.5f;
         return std::optional(std::pair(at(f, 0) + (at(f + 1, 0) - at(f, 0)) * t,
                                        at(f, 1) + (at(f + 1, 1) - at(f, 1)) * t));
       },
       VoiceState::kPlaying, 50, 1000},
      {"mono goes to both sides", kMixRate, 1, 100, 100, true, 0, std::nullopt, false, 50,
       [&](std::int64_t i) { return std::optional(std::pair(at(i, 0), at(i, 0))); },
       VoiceState::kPlaying, 50, 100},
      {"of six channels the front pair is kept", kMixRate, 6, 100, 100, true, 0, std::nullopt,
       false, 50, [&](std::int64_t i) { return std::optional(std::pair(at(i, 0), at(i, 1))); },
       VoiceState::kPlaying, 50, 100},
      {"a length still being measured does not end play", kMixRate, 2, 100, 300, false, 0,
       std::nullopt, false, 400,
       [&](std::int64_t i) -> std::optional<std::pair<float, float>> {
         if (i >= 300) return std::nullopt;
         return std::pair(at(i, 0), at(i, 1));
       },
       VoiceState::kStopped, 300, 300},
      {"an empty range stops at once", kMixRate, 2, 100, 100, true, 60, 60, false, 10,
       [](std::int64_t) { return std::optional<std::pair<float, float>>(); }, VoiceState::kStopped,
       60, 100},
  };
  for (const auto& c : cases) {
    Voice voice(std::make_unique<FakeDecoder>(c.rate, c.channels, c.length, c.real_length, nullptr,
                                              c.known),
                kMixRate);
    voice.Play(c.from, c.to, c.loop);
    const std::vector<float> mix = MixFrames(voice, c.mixed);
    for (std::size_t i = 0; i < c.mixed; ++i) {
      const auto expected =
          c.expected(static_cast<std::int64_t>(i)).value_or(std::pair(0.0f, 0.0f));
      ASSERT_FLOAT_EQ(mix[2 * i], expected.first) << c.name << ", frame " << i;
      ASSERT_FLOAT_EQ(mix[2 * i + 1], expected.second) << c.name << ", frame " << i;
    }
    EXPECT_EQ(voice.State(), c.state) << c.name;
    EXPECT_EQ(voice.PositionFrames(), c.position) << c.name;
    EXPECT_EQ(voice.LengthFrames(), c.length_after) << c.name;
  }
}

TEST(Voice, ControlsTakeEffectAtTheNextMix) {
  Voice voice(std::make_unique<FakeDecoder>(kMixRate, 2, 1000, 1000), kMixRate);
  voice.Play(0, std::nullopt, false);
  MixFrames(voice, 100);
  voice.Pause();
  EXPECT_EQ(MixFrames(voice, 10), std::vector<float>(20, 0.0f)) << "paused adds nothing";
  voice.Resume();
  EXPECT_FLOAT_EQ(MixFrames(voice, 100)[0], FakeDecoder::Sample(100, 0)) << "resumes in place";
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
