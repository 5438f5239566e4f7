#include "winapi/emulation/media/audio_file.h"

#include <array>
#include <cstring>

#include "os/audio_decoder.h"

namespace corvane::platform {

namespace {

// The formats real music files use. A header outside them is damaged or made to do harm and is
// refused like any file that cannot be played: a rate of 2,147,483,647 Hz, for one, would have
// the mixer decode tens of thousands of frames for every frame it plays. (The sample sizes a
// file may use are limited where the samples are decoded.)
constexpr int kMinSampleRate = 8'000;
constexpr int kMaxSampleRate = 384'000;
constexpr int kMaxChannels = 8;

bool StartsWith(const std::array<char, 12>& header, const char* magic) {
  return std::memcmp(header.data(), magic, std::strlen(magic)) == 0;
}

bool PlayableFormat(const AudioDecoder& decoder) {
  return decoder.SampleRate() >= kMinSampleRate && decoder.SampleRate() <= kMaxSampleRate &&
         decoder.Channels() >= 1 && decoder.Channels() <= kMaxChannels;
}

}  // namespace

std::unique_ptr<AudioDecoder> OpenAudioFile(const std::string& path, AudioFileKind kind,
                                            MCIERROR& error) {
  ReadableFile file(path);
  // A FIFO, a device or a folder is not a file one can read music from: it is taken as
  // missing, before anything could block on it.
  error = kMciErrFileNotFound;
  if (!file.IsOpen()) return nullptr;

  error = kMciErrInvalidFile;
  std::array<char, 12> header{};
  if (file.ReadAt(0, header.data(), header.size()) != header.size()) return nullptr;
  const bool wave = StartsWith(header, "RIFF") && std::memcmp(header.data() + 8, "WAVE", 4) == 0;
  if (kind == AudioFileKind::kWaveOnly && !wave) return nullptr;

  // MP3 has no reliable magic (a bare frame sync, or an ID3 tag), so whatever is not one of the
  // containers the wave backend knows goes to the MP3 decoder, which refuses non-MPEG data.
  const bool container = wave || StartsWith(header, "RIFX") || StartsWith(header, "RF64") ||
                         StartsWith(header, "FORM") || StartsWith(header, "fLaC") ||
                         StartsWith(header, "OggS");
  std::unique_ptr<AudioDecoder> decoder =
      container ? OpenContainerDecoder(std::move(file)) : OpenMpegDecoder(std::move(file));
  if (decoder == nullptr || !PlayableFormat(*decoder)) return nullptr;
  error = 0;
  return decoder;
}

}  // namespace corvane::platform
