#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/media/audio_decoder.h"
#include "platform/media/backend/decoders.h"

namespace corvane::platform {

namespace {

bool StartsWith(const std::array<char, 12>& header, const char* magic) {
  return std::memcmp(header.data(), magic, std::strlen(magic)) == 0;
}

}  // namespace

std::unique_ptr<AudioDecoder> OpenAudioFile(const std::string& path, AudioFileKind kind,
                                            MCIERROR& error) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    error = kMciErrFileNotFound;
    return nullptr;
  }
  // Directories, pipes and devices are refused before any decoder could block on them.
  error = kMciErrInvalidFile;
  if (!std::filesystem::is_regular_file(status)) return nullptr;

  std::array<char, 12> header{};
  std::ifstream file(path, std::ios::binary);
  if (!file.read(header.data(), header.size())) return nullptr;
  const bool wave = StartsWith(header, "RIFF") && std::memcmp(header.data() + 8, "WAVE", 4) == 0;
  if (kind == AudioFileKind::kWaveOnly && !wave) return nullptr;

  // MP3 has no reliable magic (a bare frame sync, or an ID3 tag), so whatever is not one of the
  // containers the wave backend knows goes to the MP3 decoder, which refuses non-MPEG data.
  const bool container = wave || StartsWith(header, "RIFX") || StartsWith(header, "RF64") ||
                         StartsWith(header, "FORM") || StartsWith(header, "fLaC") ||
                         StartsWith(header, "OggS");
  std::unique_ptr<AudioDecoder> decoder =
      container ? OpenSndfileDecoder(path) : OpenMpg123Decoder(path);
  if (decoder != nullptr) error = 0;
  return decoder;
}

}  // namespace corvane::platform
