#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/media/mci_error.h"

namespace corvane::platform {

// A decoded sound file read front to back: interleaved float samples in [-1, 1].
class AudioDecoder {
 public:
  virtual ~AudioDecoder() = default;

  virtual int SampleRate() const = 0;
  virtual int Channels() const = 0;
  // The length in frames. A damaged file may end earlier; playback then takes the real end as
  // the length. While LengthKnown() is false this is an estimate from the file's headers, and
  // the exact length follows later. Both may be called from any thread.
  virtual std::int64_t LengthFrames() const = 0;
  virtual bool LengthKnown() const { return true; }
  virtual bool Seek(std::int64_t frame) = 0;
  // Reads up to `frames` frames into samples (frames * Channels() floats). Returns the number
  // read, 0 at the end of the stream or when the rest cannot be decoded.
  virtual std::size_t Read(float* samples, std::size_t frames) = 0;
};

enum class AudioFileKind {
  kAnyMusic,  // MP3, or any container the wave backend reads (RIFF/WAVE, AIFF, FLAC, Ogg)
  kWaveOnly,  // RIFF/WAVE, as wave playback accepts nothing else
};

// Opens a sound file by its content, not its name. On failure returns nullptr and sets error to
// kMciErrFileNotFound (nothing there, or something other than a regular file: a folder, a FIFO,
// a device) or kMciErrInvalidFile (not a playable sound, or a format no real file uses).
std::unique_ptr<AudioDecoder> OpenAudioFile(const std::string& path, AudioFileKind kind,
                                            MCIERROR& error);

}  // namespace corvane::platform
