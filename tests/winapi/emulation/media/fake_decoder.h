#pragma once

#include <cstdint>
#include <future>
#include <latch>
#include <memory>

#include "os/audio_decoder.h"

namespace corvane::platform::audio_test {

// Holds a decoder inside Read until the test lets it go, as a scratched disc holds a reader.
struct Gate {
  std::promise<void> entered;
  std::latch release{1};
};

// A sound whose every sample tells where it came from: channel c of frame f is Sample(f, c).
// It claims `claimed` frames but holds only `held` of them; with `k` false the claim is
// only an estimate.
struct FakeDecoder final : public AudioDecoder {
  FakeDecoder(int r, int c, std::int64_t claimed, std::int64_t held, Gate* g = nullptr,
              bool k = true)
      : rate(r), channels(c), length(claimed), real(held), gate(g), known(k) {}

  static float Sample(std::int64_t frame, int channel) {
    return static_cast<float>(frame) / 65536.0f * (channel % 2 == 0 ? 1.0f : -1.0f) +
           static_cast<float>(channel / 2) * 0.25f;
  }

  int SampleRate() const override { return rate; }
  int Channels() const override { return channels; }
  std::int64_t LengthFrames() const override { return length; }
  bool LengthKnown() const override { return known; }
  bool Seek(std::int64_t to) override { return (frame = to) <= real; }
  std::size_t Read(float* samples, std::size_t frames) override {
    if (gate != nullptr) {
      gate->entered.set_value();
      gate->release.wait();
      gate = nullptr;
    }
    std::size_t done = 0;
    for (; done < frames && frame < real; ++done, ++frame) {
      for (int c = 0; c < channels; ++c) *samples++ = Sample(frame, c);
    }
    return done;
  }

  int rate, channels;
  std::int64_t length, real;
  Gate* gate;
  bool known;
  std::int64_t frame = 0;
};

}  // namespace corvane::platform::audio_test
