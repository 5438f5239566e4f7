#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace corvane::platform {

// Where the mix goes: 16-bit stereo frames at the mix rate, queued ahead of the output.
class AudioSink {
 public:
  virtual ~AudioSink() = default;

  // The number of audio output devices of the system, 0 when the sink plays into silence.
  virtual std::uint32_t DeviceCount() const = 0;
  // Frames queued and not yet played.
  virtual std::size_t QueuedFrames() = 0;
  virtual void Queue(const std::int16_t* samples, std::size_t frames) = 0;
};

// The first sink that opens: a real output device, else silence that keeps time by the clock,
// so playback positions and end-of-file behave alike with and without sound.
std::unique_ptr<AudioSink> OpenAudioSink(int rate);

// A sink without a device that plays `rate` frames a second into nothing.
std::unique_ptr<AudioSink> OpenSilentSink(int rate);

}  // namespace corvane::platform
