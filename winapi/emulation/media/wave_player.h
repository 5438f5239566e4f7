#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "winapi/emulation/media/audio_mixer.h"

namespace corvane::platform {

// Wave playback behind PlaySoundA: one sound at a time, played once or looped, replaced by the
// next sound and stopped by a call without a name.
class WavePlayer {
 public:
  // mixer is asked for only when a sound is really played, so a stop alone opens no output.
  explicit WavePlayer(std::function<AudioMixer&()> mixer) : mixer_(std::move(mixer)) {}
  ~WavePlayer() { Stop(); }
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  bool PlaySound(const char* name, std::uint32_t flags);
  void Stop();

 private:
  std::function<AudioMixer&()> mixer_;
  std::shared_ptr<Voice> current_;
};

}  // namespace corvane::platform
