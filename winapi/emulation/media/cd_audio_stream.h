#pragma once

#include <memory>
#include <vector>

#include "os/audio_decoder.h"
#include "os/cd_disc.h"

namespace corvane::platform {

// The digital audio of a whole disc as a sound the mixer plays: frame 0 is the first sector
// after the lead-in, and the stream runs to the lead-out. Sectors are read a few at a time, on
// the thread that mixes, as play reaches them.
class CdAudioStream final : public AudioDecoder {
 public:
  explicit CdAudioStream(std::shared_ptr<CdDisc> disc);

  int SampleRate() const override { return kCdSampleRate; }
  int Channels() const override { return 2; }
  std::int64_t LengthFrames() const override;
  bool Seek(std::int64_t frame) override;
  // Stops early where the disc cannot be read, which ends play there.
  std::size_t Read(float* samples, std::size_t frames) override;

 private:
  bool Buffer(std::int32_t sector);

  const std::shared_ptr<CdDisc> disc_;
  std::int64_t frame_ = 0;
  std::vector<std::int16_t> buffer_;
  std::int32_t buffer_start_ = 0;
  std::int32_t buffer_sectors_ = 0;
};

}  // namespace corvane::platform
