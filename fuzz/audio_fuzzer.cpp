// Music files named from outside: the file is told apart by its content and decoded as MP3 or
// through the wave backend, read, sought and read again. Inputs and decoding are kept short.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "tests/support/temp_folder.h"
#include "winapi/emulation/media/audio_file.h"

namespace corvane::fuzz {
namespace {

using namespace platform;

constexpr std::size_t kMaxInputBytes = 256 * 1024;
constexpr std::size_t kChunkFrames = 1024;
constexpr int kMaxChunks = 16;

void ReadSome(AudioDecoder& decoder) {
  std::vector<float> samples(kChunkFrames * static_cast<std::size_t>(decoder.Channels()));
  for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
    const std::size_t frames = decoder.Read(samples.data(), kChunkFrames);
    Require(frames <= kChunkFrames, "a read stays inside the frames asked for");
    if (frames == 0) return;
    for (std::size_t i = 0; i < frames * static_cast<std::size_t>(decoder.Channels()); ++i) {
      Require(samples[i] >= -1.0f && samples[i] <= 1.0f, "decoded samples are within full scale");
    }
  }
}

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane::fuzz;
  static const corvane::test_support::TempFolder folder;
  if (size > kMaxInputBytes) return 0;
  const std::string path = folder.path() + "/music";
  corvane::test_support::WriteFileBytes(
      path, std::string_view(reinterpret_cast<const char*>(data), size));

  MCIERROR error = 0;
  const std::unique_ptr<AudioDecoder> decoder =
      OpenAudioFile(path, AudioFileKind::kAnyMusic, error);
  if (decoder == nullptr) {
    Require(error != 0, "a file that does not open gives an error");
    return 0;
  }
  Require(decoder->SampleRate() > 0 && decoder->Channels() > 0, "an open file has a format");
  ReadSome(*decoder);
  const std::int64_t length = decoder->LengthFrames();
  Require(length >= 0, "a length is never negative");
  if (decoder->Seek(length / 2)) ReadSome(*decoder);
  decoder->Seek(length);
  ReadSome(*decoder);
  return 0;
}
