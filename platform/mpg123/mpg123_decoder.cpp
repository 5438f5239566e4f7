#include <mpg123.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "os/audio_decoder.h"

namespace corvane::platform {

namespace {

mpg123_handle* NewHandle() {
  static std::once_flag init;
  std::call_once(init, [] { mpg123_init(); });
  int error = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &error);
  // The library would otherwise print its complaints about damaged files on stderr.
  if (handle != nullptr) mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  return handle;
}

// Measures a stream's exact length by reading it all, on a thread of its own, through a reader
// of its own over the same file: the playing handle's read position is never touched, and the
// measuring stops at the next read once it is no longer wanted.
class LengthScan {
 public:
  explicit LengthScan(const ReadableFile& file) : file_(file), thread_([this] { Run(); }) {}
  ~LengthScan() {
    stop_ = true;
    thread_.join();
  }
  LengthScan(const LengthScan&) = delete;
  LengthScan& operator=(const LengthScan&) = delete;

  // The exact length in frames; -1 until measured, or when it could not be.
  std::int64_t Length() const { return length_.load(); }

 private:
  void Run() {
    mpg123_handle* handle = NewHandle();
    if (handle == nullptr) return;
    if (mpg123_replace_reader_handle(handle, &ReadCallback, &SeekCallback, nullptr) == MPG123_OK &&
        mpg123_open_handle(handle, this) == MPG123_OK && mpg123_scan(handle) == MPG123_OK &&
        !stop_) {
      const off_t length = mpg123_length(handle);
      if (length > 0) length_ = length;
    }
    mpg123_close(handle);
    mpg123_delete(handle);
  }

  static mpg123_ssize_t ReadCallback(void* self, void* buffer, size_t size) {
    auto* scan = static_cast<LengthScan*>(self);
    if (scan->stop_) return -1;
    const std::size_t read = scan->file_.ReadAt(scan->offset_, buffer, size);
    scan->offset_ += static_cast<std::int64_t>(read);
    return static_cast<mpg123_ssize_t>(read);
  }

  static off_t SeekCallback(void* self, off_t offset, int whence) {
    auto* scan = static_cast<LengthScan*>(self);
    const std::int64_t base = whence == SEEK_SET   ? 0
                              : whence == SEEK_CUR ? scan->offset_
                                                   : scan->file_.Size();
    if (base + offset < 0) return -1;
    scan->offset_ = base + offset;
    return static_cast<off_t>(scan->offset_);
  }

  const ReadableFile& file_;
  std::int64_t offset_ = 0;
  std::atomic<bool> stop_ = false;
  std::atomic<std::int64_t> length_ = -1;
  std::thread thread_;
};

class Mpg123Decoder final : public AudioDecoder {
 public:
  Mpg123Decoder(ReadableFile file, mpg123_handle* handle, long rate, int channels,
                std::int64_t estimate)
      : file_(std::move(file)),
        handle_(handle),
        rate_(rate),
        channels_(channels),
        estimate_(estimate),
        scan_(file_) {}
  ~Mpg123Decoder() override {
    mpg123_close(handle_);
    mpg123_delete(handle_);
  }
  Mpg123Decoder(const Mpg123Decoder&) = delete;
  Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

  int SampleRate() const override { return static_cast<int>(rate_); }
  int Channels() const override { return channels_; }
  std::int64_t LengthFrames() const override {
    const std::int64_t measured = scan_.Length();
    return measured >= 0 ? measured : estimate_;
  }
  bool LengthKnown() const override { return scan_.Length() >= 0; }

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
  const ReadableFile file_;
  mpg123_handle* handle_;
  long rate_;
  int channels_;
  std::int64_t estimate_;
  std::vector<std::int16_t> pcm_;
  // Last, so that it ends (and stops reading the file) before anything above goes.
  LengthScan scan_;
};

}  // namespace

std::unique_ptr<AudioDecoder> OpenMpegDecoder(ReadableFile file) {
  mpg123_handle* handle = NewHandle();
  if (handle == nullptr) return nullptr;
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_open_fd(handle, file.Descriptor()) != MPG123_OK ||
      mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
      channels <= 0) {
    mpg123_delete(handle);
    return nullptr;
  }
  // Pin the output to 16-bit samples of the stream's own format; the voice converts from there.
  mpg123_format_none(handle);
  mpg123_format(handle, rate, channels, MPG123_ENC_SIGNED_16);
  // Without a scan this is the length a Xing or LAME header gives, else the file's size over
  // the first frame's bit rate: exact for most files, close for the rest.
  const off_t estimate = mpg123_length(handle);
  if (estimate <= 0) {
    mpg123_delete(handle);
    return nullptr;
  }
  return std::make_unique<Mpg123Decoder>(std::move(file), handle, rate, channels, estimate);
}

}  // namespace corvane::platform
