// The voice's resampler against SDL2's audio stream, used the way the voice would use it: blocks of
// 2048 decoded frames in, the mixer's chunks of 1024 frames out, a flush at the end of the file.
// Besides the time, each run counts what would be heard wrong in ten seconds of a 440 Hz tone:
//   frames_short  frames of the file never played (0 when the length and the tail are right),
//   clicks        samples off the tone's curve (a jump in phase where two pieces meet),
//   cents         the tone's pitch error, from its zero crossings.
// With SDL 2.26 the stream loses a fraction of a frame at every block whose length is not a whole
// period of the two rates (48000 and 32000 Hz into 44100), which raises the pitch and clicks, and
// depending on where the input ends its flush leaves out the filter's tail (1024 frames at 22050).

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <vector>

#include "os/audio_decoder.h"
#include "winapi/emulation/media/voice.h"

namespace corvane::platform {
namespace {

constexpr int kMixRate = 44100;
constexpr int kSeconds = 10;
constexpr double kTone = 440.0;
constexpr double kAmplitude = 0.5;
constexpr std::size_t kBlock = 2048;
constexpr std::size_t kChunk = 1024;

float Tone(std::int64_t frame, int rate) {
  return static_cast<float>(kAmplitude *
                            std::sin(2 * std::numbers::pi * kTone * static_cast<double>(frame) /
                                     static_cast<double>(rate)));
}

class ToneDecoder final : public AudioDecoder {
 public:
  explicit ToneDecoder(int rate) : rate_(rate) {}
  int SampleRate() const override { return rate_; }
  int Channels() const override { return 2; }
  std::int64_t LengthFrames() const override { return std::int64_t{rate_} * kSeconds; }
  bool Seek(std::int64_t frame) override { return (frame_ = frame) <= LengthFrames(); }
  std::size_t Read(float* samples, std::size_t frames) override {
    std::size_t done = 0;
    for (; done < frames && frame_ < LengthFrames(); ++done, ++frame_) {
      samples[2 * done] = samples[2 * done + 1] = Tone(frame_, rate_);
    }
    return done;
  }

 private:
  int rate_;
  std::int64_t frame_ = 0;
};

// The left channel of everything the voice plays, until it stops.
std::vector<float> PlayThroughVoice(int rate) {
  Voice voice(std::make_unique<ToneDecoder>(rate), kMixRate);
  voice.Play(0, std::nullopt, false);
  std::vector<float> left;
  std::vector<float> mix(kChunk * 2);
  while (voice.State() == VoiceState::kPlaying) {
    std::fill(mix.begin(), mix.end(), 0.0f);
    voice.Mix(mix.data(), kChunk);
    for (std::size_t i = 0; i < kChunk; ++i) left.push_back(mix[2 * i]);
  }
  // The last chunk was filled with silence after the end.
  while (!left.empty() && left.back() == 0.0f) left.pop_back();
  return left;
}

std::vector<float> PlayThroughSdlStream(int rate) {
  SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_F32SYS, 2, rate, AUDIO_F32SYS, 2, kMixRate);
  ToneDecoder decoder(rate);
  std::vector<float> block(kBlock * 2);
  std::vector<float> chunk(kChunk * 2);
  std::vector<float> left;
  const auto take = [&] {
    int got = 0;
    while ((got = SDL_AudioStreamGet(stream, chunk.data(),
                                     static_cast<int>(chunk.size() * sizeof(float)))) > 0) {
      for (int i = 0; i < got / static_cast<int>(2 * sizeof(float)); ++i) {
        left.push_back(chunk[2 * static_cast<std::size_t>(i)]);
      }
    }
  };
  while (const std::size_t read = decoder.Read(block.data(), kBlock)) {
    SDL_AudioStreamPut(stream, block.data(), static_cast<int>(read * 2 * sizeof(float)));
    take();
  }
  SDL_AudioStreamFlush(stream);
  take();
  SDL_FreeAudioStream(stream);
  return left;
}

void Report(benchmark::State& state, const std::vector<float>& left) {
  const double expected = static_cast<double>(kMixRate) * kSeconds;
  state.counters["frames_short"] = expected - static_cast<double>(left.size());
  // A clean tone's second difference never exceeds amplitude * step^2; a joint that jumps in
  // phase does, by far. The last frame, where the tone is cut off, does not count.
  const double step = 2 * std::numbers::pi * kTone / kMixRate;
  const double limit = 2 * kAmplitude * step * step;
  int clicks = 0;
  for (std::size_t i = 1; i + 2 < left.size(); ++i) {
    clicks += std::fabs(left[i + 1] - 2 * left[i] + left[i - 1]) > limit ? 1 : 0;
  }
  state.counters["clicks"] = clicks;
  std::vector<double> crossings;
  for (std::size_t i = 1; i < left.size(); ++i) {
    if (left[i - 1] < 0 && left[i] >= 0) {
      crossings.push_back(static_cast<double>(i - 1) + left[i - 1] / (left[i - 1] - left[i]));
    }
  }
  if (crossings.size() > 2) {
    const double periods = static_cast<double>(crossings.size() - 1);
    const double pitch = periods * kMixRate / (crossings.back() - crossings.front());
    state.counters["cents"] = 1200 * std::log2(pitch / kTone);
  }
}

void BM_VoiceResampler(benchmark::State& state) {
  std::vector<float> left;
  for (auto _ : state) left = PlayThroughVoice(static_cast<int>(state.range(0)));
  Report(state, left);
}
BENCHMARK(BM_VoiceResampler)->Arg(48000)->Arg(32000)->Arg(22050)->Unit(benchmark::kMillisecond);

void BM_SdlAudioStream(benchmark::State& state) {
  std::vector<float> left;
  for (auto _ : state) left = PlayThroughSdlStream(static_cast<int>(state.range(0)));
  Report(state, left);
}
BENCHMARK(BM_SdlAudioStream)->Arg(48000)->Arg(32000)->Arg(22050)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::platform
