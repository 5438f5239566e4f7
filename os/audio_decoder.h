#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "os/readable_file.h"

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

// The decoders the system offers, each for the files of one kind. They take the file already
// open and return nullptr when its content is not theirs.
// MPEG audio (MP3). The length comes first from the stream's headers; the exact length, which
// needs the whole file read (seconds for a file of many hours), is measured on a thread of its
// own.
std::unique_ptr<AudioDecoder> OpenMpegDecoder(ReadableFile file);
// RIFF/WAVE and the other containers real music files use (AIFF, FLAC, Ogg), in the sample
// formats real files use.
std::unique_ptr<AudioDecoder> OpenContainerDecoder(ReadableFile file);

}  // namespace corvane::platform
