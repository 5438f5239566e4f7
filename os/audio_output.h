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

// The system's default output device at `rate` frames a second, or nullptr when there is none.
// Selecting SDL's "disk" driver writes the raw output to a file instead, which tests read.
std::unique_ptr<AudioSink> OpenAudioDevice(int rate);

}  // namespace corvane::platform
