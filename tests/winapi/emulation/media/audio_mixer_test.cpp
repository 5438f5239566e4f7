#include "winapi/emulation/media/audio_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <mutex>
#include <vector>

#include "tests/winapi/emulation/media/fake_decoder.h"

namespace corvane::platform {
namespace {

using audio_test::FakeDecoder;
using audio_test::Gate;

// Keeps what the mixer queues. Until the test opens it, it reports a full queue and nothing is
// mixed; from then on it plays everything at once, so the mixer never waits for it.
class RecordingSink final : public AudioSink {
 public:
  std::uint32_t DeviceCount() const override { return 0; }
  std::size_t QueuedFrames() override {
    std::lock_guard lock(mutex_);
    return open_ ? 0 : SIZE_MAX;
  }
  void Queue(const std::int16_t* samples, std::size_t frames) override {
    std::lock_guard lock(mutex_);
    pcm_.insert(pcm_.end(), samples, samples + frames * 2);
    queued_.notify_all();
  }

  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
  }
  std::vector<std::int16_t> WaitFor(std::size_t frames) {
    std::unique_lock lock(mutex_);
    queued_.wait(lock, [&] { return pcm_.size() >= frames * 2; });
    return pcm_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable queued_;
  bool open_ = false;
  std::vector<std::int16_t> pcm_;
};

// A voice that plays FakeDecoder's frame 0 onwards: Sample(f, 0) on the left.
std::shared_ptr<Voice> PlayingVoice(std::int64_t length, Gate* gate = nullptr) {
  auto voice = std::make_shared<Voice>(
      std::make_unique<FakeDecoder>(AudioMixer::kRate, 2, length, length, gate), AudioMixer::kRate);
  voice->Play(0, std::nullopt, false);
  return voice;
}

TEST(AudioMixer, SumsTheVoicesAndClampsTheSum) {
  auto sink = std::make_unique<RecordingSink>();
  RecordingSink& recorded = *sink;
  AudioMixer mixer(std::move(sink));
  // Two copies of the ramp: left 2 * f / 65536 reaches full scale at frame 32768.
  mixer.Add(PlayingVoice(40000));
  mixer.Add(PlayingVoice(40000));
  recorded.Open();
  const std::vector<std::int16_t> pcm = recorded.WaitFor(34000);
  for (const std::int64_t frame : {0, 1, 1000, 32767, 33000}) {
    const float sum = std::min(2.0f * FakeDecoder::Sample(frame, 0), 1.0f);
    EXPECT_EQ(pcm[static_cast<std::size_t>(frame) * 2], std::lround(sum * 32767.0f)) << frame;
    EXPECT_EQ(pcm[static_cast<std::size_t>(frame) * 2 + 1], -std::lround(sum * 32767.0f)) << frame;
  }
}

TEST(AudioMixer, AddingAndRemovingDoNotWaitForABlockedDecoder) {
  auto sink = std::make_unique<RecordingSink>();
  RecordingSink& recorded = *sink;
  AudioMixer mixer(std::move(sink));
  Gate gate;
  const std::shared_ptr<Voice> blocked = PlayingVoice(1000, &gate);
  mixer.Add(blocked);
  recorded.Open();
  gate.entered.get_future().wait();

  auto user_interface = std::async(std::launch::async, [&] {
    const auto other = PlayingVoice(1000);
    mixer.Add(other);
    mixer.Remove(other);
    mixer.Remove(blocked);
    return blocked->State();
  });
  const bool returned =
      user_interface.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  gate.release.count_down();
  ASSERT_TRUE(returned);
  EXPECT_EQ(user_interface.get(), VoiceState::kPlaying);
}

}  // namespace
}  // namespace corvane::platform
