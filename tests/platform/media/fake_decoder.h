#pragma once

#include <cstdint>
#include <future>
#include <latch>
#include <memory>

#include "platform/media/audio_decoder.h"

namespace corvane::platform::audio_test {

// Holds a decoder inside Read until the test lets it go, as a scratched disc holds a reader.
struct Gate {
  std::promise<void> entered;
  std::latch release{1};
};

// A sound whose every sample tells where it came from: channel c of frame f is Sample(f, c).
// It claims `length` frames but holds only `real_length` of them; with known false the claim is
// only an estimate.
class FakeDecoder final : public AudioDecoder {
 public:
  FakeDecoder(int rate, int channels, std::int64_t length, std::int64_t real_length,
              Gate* gate = nullptr, bool known = true)
      : rate_(rate),
        channels_(channels),
        length_(length),
        real_(real_length),
        gate_(gate),
        known_(known) {}

  static float Sample(std::int64_t frame, int channel) {
    return static_cast<float>(frame) / 65536.0f * (channel % 2 == 0 ? 1.0f : -1.0f) +
           static_cast<float>(channel / 2) * 0.25f;
  }

  int SampleRate() const override { return rate_; }
  int Channels() const override { return channels_; }
  std::int64_t LengthFrames() const override { return length_; }
  bool LengthKnown() const override { return known_; }
  bool Seek(std::int64_t frame) override {
    frame_ = frame;
    return frame <= real_;
  }
  std::size_t Read(float* samples, std::size_t frames) override {
    if (gate_ != nullptr) {
      gate_->entered.set_value();
      gate_->release.wait();
      gate_ = nullptr;
    }
    std::size_t done = 0;
    for (; done < frames && frame_ < real_; ++done, ++frame_) {
      for (int c = 0; c < channels_; ++c) *samples++ = Sample(frame_, c);
    }
    return done;
  }

 private:
  const int rate_;
  const int channels_;
  const std::int64_t length_;
  const std::int64_t real_;
  Gate* gate_;
  const bool known_;
  std::int64_t frame_ = 0;
};

}  // namespace corvane::platform::audio_test
