#include "winapi/emulation/media/cd_audio_stream.h"

#include <algorithm>

namespace corvane::platform {

namespace {

// Sectors read at once: about 0.1 s, a few of the mixer's blocks.
constexpr std::int32_t kReadSectors = 8;

}  // namespace

CdAudioStream::CdAudioStream(std::shared_ptr<CdDisc> disc) : disc_(std::move(disc)) {}

std::int64_t CdAudioStream::LengthFrames() const {
  return static_cast<std::int64_t>(disc_->Toc().leadout) * kCdFramesPerSector;
}

bool CdAudioStream::Seek(std::int64_t frame) {
  if (frame < 0 || frame > LengthFrames()) return false;
  frame_ = frame;
  return true;
}

std::size_t CdAudioStream::Read(float* samples, std::size_t frames) {
  std::size_t done = 0;
  while (done < frames && frame_ < LengthFrames()) {
    const auto sector = static_cast<std::int32_t>(frame_ / kCdFramesPerSector);
    if ((sector < buffer_start_ || sector >= buffer_start_ + buffer_sectors_) && !Buffer(sector)) {
      break;
    }
    const std::int64_t offset =
        frame_ - static_cast<std::int64_t>(buffer_start_) * kCdFramesPerSector;
    const std::int64_t available =
        static_cast<std::int64_t>(buffer_sectors_) * kCdFramesPerSector - offset;
    const std::size_t take = std::min(static_cast<std::size_t>(available), frames - done);
    const std::int16_t* from = buffer_.data() + offset * 2;
    for (std::size_t i = 0; i < take * 2; ++i) samples[done * 2 + i] = from[i] / 32768.0f;
    done += take;
    frame_ += static_cast<std::int64_t>(take);
  }
  return done;
}

bool CdAudioStream::Buffer(std::int32_t sector) {
  const std::int32_t count = std::min(kReadSectors, disc_->Toc().leadout - sector);
  buffer_.resize(static_cast<std::size_t>(count) * kCdFramesPerSector * 2);
  buffer_sectors_ = 0;
  if (count <= 0 || !disc_->ReadAudio(sector, count, buffer_.data())) return false;
  buffer_start_ = sector;
  buffer_sectors_ = count;
  return true;
}

}  // namespace corvane::platform
