#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::platform {

// A cue sheet: the data files of a disc image in disc order, each with the tracks it holds.
struct CueSheet {
  enum class FileType { kBinary, kMotorola, kWave };
  struct Track {
    int number = 0;
    bool audio = true;
    std::int32_t start = 0;  // sector of INDEX 01, counted from the start of its file
  };
  struct File {
    std::string name;  // as written: relative to the cue sheet's folder unless absolute
    FileType type = FileType::kBinary;
    std::vector<Track> tracks;
  };
  std::vector<File> files;
};

// Reads the FILE, TRACK and INDEX 01 lines of a cue sheet; other commands (titles, flags,
// INDEX 00, gaps not stored in the files) change nothing that is played and are passed over.
// Returns nullopt and says what is wrong in problem when the sheet cannot describe a disc.
std::optional<CueSheet> ParseCueSheet(std::string_view text, std::string& problem);

}  // namespace corvane::platform
