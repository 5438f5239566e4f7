#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "os/audio_decoder.h"

namespace corvane::platform {

namespace {

// The sample formats of real files: 8- to 32-bit integers, 32- and 64-bit floats, and the
// compressed codings libsndfile decodes. Anything else in a header is refused.
constexpr std::array kPlayableSubtypes = {
    SF_FORMAT_PCM_S8, SF_FORMAT_PCM_U8,    SF_FORMAT_PCM_16,         SF_FORMAT_PCM_24,
    SF_FORMAT_PCM_32, SF_FORMAT_FLOAT,     SF_FORMAT_DOUBLE,         SF_FORMAT_ULAW,
    SF_FORMAT_ALAW,   SF_FORMAT_IMA_ADPCM, SF_FORMAT_MS_ADPCM,       SF_FORMAT_GSM610,
    SF_FORMAT_VORBIS, SF_FORMAT_OPUS,      SF_FORMAT_MPEG_LAYER_III,
};

class SndfileDecoder final : public AudioDecoder {
 public:
  SndfileDecoder(ReadableFile file, SNDFILE* sound, const SF_INFO& info)
      : file_(std::move(file)), sound_(sound), info_(info) {}
  ~SndfileDecoder() override { sf_close(sound_); }
  SndfileDecoder(const SndfileDecoder&) = delete;
  SndfileDecoder& operator=(const SndfileDecoder&) = delete;

  int SampleRate() const override { return info_.samplerate; }
  int Channels() const override { return info_.channels; }
  std::int64_t LengthFrames() const override { return info_.frames; }
  bool Seek(std::int64_t frame) override { return sf_seek(sound_, frame, SEEK_SET) >= 0; }
  std::size_t Read(float* samples, std::size_t frames) override {
    const sf_count_t read = sf_readf_float(sound_, samples, static_cast<sf_count_t>(frames));
    if (read <= 0) return 0;
    // Floating-point files hand over their samples as stored, so a damaged one can hold NaN,
    // which would silence everything mixed with it, or values far outside full scale.
    const std::size_t count = static_cast<std::size_t>(read) * static_cast<std::size_t>(Channels());
    for (float& sample : std::span(samples, count)) {
      sample = std::isnan(sample) ? 0.0f : std::clamp(sample, -1.0f, 1.0f);
    }
    return static_cast<std::size_t>(read);
  }

 private:
  ReadableFile file_;
  SNDFILE* sound_;
  SF_INFO info_;
};

}  // namespace

std::unique_ptr<AudioDecoder> OpenContainerDecoder(ReadableFile file) {
  SF_INFO info{};
  SNDFILE* sound = sf_open_fd(file.Descriptor(), SFM_READ, &info, SF_FALSE);
  if (sound == nullptr) return nullptr;
  const int subtype = info.format & SF_FORMAT_SUBMASK;
  if (info.channels < 1 || info.samplerate < 1 || info.frames < 1 ||
      std::find(kPlayableSubtypes.begin(), kPlayableSubtypes.end(), subtype) ==
          kPlayableSubtypes.end()) {
    sf_close(sound);
    return nullptr;
  }
  return std::make_unique<SndfileDecoder>(std::move(file), sound, info);
}

}  // namespace corvane::platform
