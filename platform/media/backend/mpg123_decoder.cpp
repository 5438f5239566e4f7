#include <mpg123.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/media/backend/decoders.h"

namespace corvane::platform {

namespace {

class Mpg123Decoder final : public AudioDecoder {
 public:
  Mpg123Decoder(mpg123_handle* handle, long rate, int channels, std::int64_t length)
      : handle_(handle), rate_(rate), channels_(channels), length_(length) {}
  ~Mpg123Decoder() override {
    mpg123_close(handle_);
    mpg123_delete(handle_);
  }
  Mpg123Decoder(const Mpg123Decoder&) = delete;
  Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

  int SampleRate() const override { return static_cast<int>(rate_); }
  int Channels() const override { return channels_; }
  std::int64_t LengthFrames() const override { return length_; }

  bool Seek(std::int64_t frame) override {
    return mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) >= 0;
  }

  std::size_t Read(float* samples, std::size_t frames) override {
    pcm_.resize(frames * static_cast<std::size_t>(channels_));
    std::size_t bytes = 0;
    // A format notice carries no samples; any other failure ends the stream where it broke.
    for (int attempt = 0; attempt < 4 && bytes == 0; ++attempt) {
      const int result =
          mpg123_read(handle_, pcm_.data(), pcm_.size() * sizeof(std::int16_t), &bytes);
      if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;
    }
    const std::size_t count = bytes / sizeof(std::int16_t);
    for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<float>(pcm_[i]) / 32768.0f;
    return count / static_cast<std::size_t>(channels_);
  }

 private:
  mpg123_handle* handle_;
  long rate_;
  int channels_;
  std::int64_t length_;
  std::vector<std::int16_t> pcm_;
};

}  // namespace

std::unique_ptr<AudioDecoder> OpenMpg123Decoder(const std::string& path) {
  static std::once_flag init;
  std::call_once(init, [] { mpg123_init(); });

  int error = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &error);
  if (handle == nullptr) return nullptr;
  // The library would otherwise print its complaints about damaged files on stderr.
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_open(handle, path.c_str()) != MPG123_OK || mpg123_scan(handle) != MPG123_OK ||
      mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
      channels <= 0) {
    mpg123_delete(handle);
    return nullptr;
  }
  // Pin the output to 16-bit samples of the stream's own format; the voice converts from there.
  mpg123_format_none(handle);
  mpg123_format(handle, rate, channels, MPG123_ENC_SIGNED_16);
  const off_t length = mpg123_length(handle);
  if (length <= 0) {
    mpg123_delete(handle);
    return nullptr;
  }
  return std::make_unique<Mpg123Decoder>(handle, rate, channels, length);
}

}  // namespace corvane::platform
