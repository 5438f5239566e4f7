#include "winapi/emulation/media/audio_sink.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace corvane::platform {

namespace {

class SilentSink final : public AudioSink {
 public:
  explicit SilentSink(int rate) : rate_(rate), start_(std::chrono::steady_clock::now()) {}

  std::uint32_t DeviceCount() const override { return 0; }

  std::size_t QueuedFrames() override {
    const std::int64_t played = PlayedFrames();
    return queued_end_ > played ? static_cast<std::size_t>(queued_end_ - played) : 0;
  }

  void Queue(const std::int16_t* /*samples*/, std::size_t frames) override {
    // After an underrun the queue restarts from now, as a real device's would.
    queued_end_ = std::max(queued_end_, PlayedFrames()) + static_cast<std::int64_t>(frames);
  }

 private:
  std::int64_t PlayedFrames() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * rate_ /
           1'000'000;
  }

  const std::int64_t rate_;
  const std::chrono::steady_clock::time_point start_;
  std::int64_t queued_end_ = 0;
};

using SinkOpener = std::unique_ptr<AudioSink> (*)(int rate);

// Tried in order; the silent sink always opens.
constexpr std::array<SinkOpener, 2> kSinks = {&OpenAudioDevice, &OpenSilentSink};

}  // namespace

std::unique_ptr<AudioSink> OpenSilentSink(int rate) { return std::make_unique<SilentSink>(rate); }

std::unique_ptr<AudioSink> OpenAudioSink(int rate) {
  for (SinkOpener open : kSinks) {
    if (auto sink = open(rate)) return sink;
  }
  return nullptr;
}

}  // namespace corvane::platform
