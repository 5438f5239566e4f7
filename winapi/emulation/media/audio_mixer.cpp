#include "winapi/emulation/media/audio_mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace corvane::platform {

namespace {

// About 90 ms queued: enough to ride out a busy moment, short enough that a stop is heard soon.
constexpr std::size_t kQueueTarget = 4096;
constexpr std::size_t kChunk = 1024;
constexpr auto kIdleWait = std::chrono::milliseconds(5);

}  // namespace

AudioMixer::AudioMixer(std::unique_ptr<AudioSink> sink)
    : sink_(std::move(sink)), thread_([this] { Run(); }) {}

AudioMixer::~AudioMixer() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void AudioMixer::Add(std::shared_ptr<Voice> voice) {
  std::lock_guard lock(mutex_);
  voices_.push_back(std::move(voice));
}

void AudioMixer::Remove(const std::shared_ptr<Voice>& voice) {
  std::lock_guard lock(mutex_);
  std::erase(voices_, voice);
}

void AudioMixer::Run() {
  std::unique_lock lock(mutex_);
  while (!quit_) {
    const std::size_t queued = sink_->QueuedFrames();
    if (queued >= kQueueTarget) {
      wake_.wait_for(lock, kIdleWait, [this] { return quit_; });
      continue;
    }
    lock.unlock();
    MixChunk(std::min(kChunk, kQueueTarget - queued));
    lock.lock();
  }
}

void AudioMixer::MixChunk(std::size_t frames) {
  // Voices are mixed outside the lock on a copy, so adding or removing one never waits for a
  // decoder; a voice removed meanwhile is mixed one last time, and stopped voices add nothing.
  std::vector<std::shared_ptr<Voice>> voices;
  {
    std::lock_guard lock(mutex_);
    voices = voices_;
  }
  mix_.assign(frames * 2, 0.0f);
  for (const auto& voice : voices) voice->Mix(mix_.data(), frames);
  pcm_.resize(frames * 2);
  for (std::size_t i = 0; i < mix_.size(); ++i) {
    const float clamped = std::clamp(mix_[i], -1.0f, 1.0f);
    pcm_[i] = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
  }
  sink_->Queue(pcm_.data(), frames);
}

}  // namespace corvane::platform
