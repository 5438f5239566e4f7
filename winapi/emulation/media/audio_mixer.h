#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "winapi/emulation/media/audio_sink.h"
#include "winapi/emulation/media/voice.h"

namespace corvane::platform {

// Mixes every voice into one stereo stream on a thread of its own and keeps the sink's queue a
// little ahead of the output. The user-interface thread only adds and removes voices, so a slow
// decoder or output never stalls it.
class AudioMixer {
 public:
  // The rate of the mix; the output converts it to the device's own rate.
  static constexpr int kRate = 44100;

  explicit AudioMixer(std::unique_ptr<AudioSink> sink);
  ~AudioMixer();
  AudioMixer(const AudioMixer&) = delete;
  AudioMixer& operator=(const AudioMixer&) = delete;

  void Add(std::shared_ptr<Voice> voice);
  void Remove(const std::shared_ptr<Voice>& voice);
  std::uint32_t DeviceCount() const { return sink_->DeviceCount(); }

 private:
  void Run();
  void MixChunk(std::size_t frames);

  const std::unique_ptr<AudioSink> sink_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool quit_ = false;
  std::vector<std::shared_ptr<Voice>> voices_;
  std::vector<float> mix_;
  std::vector<std::int16_t> pcm_;
  std::thread thread_;
};

}  // namespace corvane::platform
