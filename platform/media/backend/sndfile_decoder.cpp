#include <sndfile.h>

#include "platform/media/backend/decoders.h"

namespace corvane::platform {

namespace {

class SndfileDecoder final : public AudioDecoder {
 public:
  SndfileDecoder(SNDFILE* file, const SF_INFO& info) : file_(file), info_(info) {}
  ~SndfileDecoder() override { sf_close(file_); }
  SndfileDecoder(const SndfileDecoder&) = delete;
  SndfileDecoder& operator=(const SndfileDecoder&) = delete;

  int SampleRate() const override { return info_.samplerate; }
  int Channels() const override { return info_.channels; }
  std::int64_t LengthFrames() const override { return info_.frames; }
  bool Seek(std::int64_t frame) override { return sf_seek(file_, frame, SEEK_SET) >= 0; }
  std::size_t Read(float* samples, std::size_t frames) override {
    const sf_count_t read = sf_readf_float(file_, samples, static_cast<sf_count_t>(frames));
    return read > 0 ? static_cast<std::size_t>(read) : 0;
  }

 private:
  SNDFILE* file_;
  SF_INFO info_;
};

}  // namespace

std::unique_ptr<AudioDecoder> OpenSndfileDecoder(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return nullptr;
  if (info.channels < 1 || info.samplerate < 1 || info.frames < 1) {
    sf_close(file);
    return nullptr;
  }
  return std::make_unique<SndfileDecoder>(file, info);
}

}  // namespace corvane::platform
