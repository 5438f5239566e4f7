#include "winapi/emulation/media/cue_sheet.h"

#include <cstdio>

#include "gfx/ascii.h"

namespace corvane::platform {

namespace {

// The words of one line; a word in double quotes may hold blanks.
std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (std::isspace(static_cast<unsigned char>(line[i])) != 0) {
      ++i;
    } else if (line[i] == '"') {
      const std::size_t end = line.find('"', i + 1);
      words.emplace_back(line.substr(i + 1, end == std::string_view::npos ? end : end - i - 1));
      i = end == std::string_view::npos ? line.size() : end + 1;
    } else {
      std::size_t end = i;
      while (end < line.size() && std::isspace(static_cast<unsigned char>(line[end])) == 0) ++end;
      words.emplace_back(line.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

// "mm:ss:ff" in sectors (75 a second).
std::optional<std::int32_t> Sectors(const std::string& time) {
  unsigned minutes = 0;
  unsigned seconds = 0;
  unsigned frames = 0;
  char tail = 0;
  if (std::sscanf(time.c_str(), "%u:%u:%u%c", &minutes, &seconds, &frames, &tail) != 3 ||
      seconds >= 60 || frames >= 75 || minutes > 999) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>((minutes * 60 + seconds) * 75 + frames);
}

std::optional<CueSheet::FileType> FileTypeOf(const std::string& word) {
  const std::string type = gfx::AsciiUpper(word);
  if (type == "BINARY") return CueSheet::FileType::kBinary;
  if (type == "MOTOROLA") return CueSheet::FileType::kMotorola;
  if (type == "WAVE") return CueSheet::FileType::kWave;
  return std::nullopt;
}

}  // namespace

std::optional<CueSheet> ParseCueSheet(std::string_view text, std::string& problem) {
  CueSheet sheet;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    const std::string command = gfx::AsciiUpper(words[0]);
    const std::string where = "line " + std::to_string(line_number) + ": ";
    if (command == "FILE") {
      const auto type = words.size() == 3 ? FileTypeOf(words[2]) : std::nullopt;
      if (!type) {
        problem = where + "a FILE of a type other than BINARY, MOTOROLA or WAVE";
        return std::nullopt;
      }
      sheet.files.push_back({words[1], *type, {}});
    } else if (command == "TRACK") {
      if (sheet.files.empty() || words.size() != 3) {
        problem = where + "a TRACK without a FILE before it";
        return std::nullopt;
      }
      const int number = std::atoi(words[1].c_str());
      if (number < 1 || number > 99) {
        problem = where + "a track number outside 1 to 99";
        return std::nullopt;
      }
      sheet.files.back().tracks.push_back({number, gfx::AsciiUpper(words[2]) == "AUDIO", -1});
    } else if (command == "INDEX" && words.size() == 3 && std::atoi(words[1].c_str()) == 1) {
      const auto start = Sectors(words[2]);
      if (sheet.files.empty() || sheet.files.back().tracks.empty() || !start) {
        problem = where + "an INDEX 01 that names no track or no time";
        return std::nullopt;
      }
      sheet.files.back().tracks.back().start = *start;
    }
  }
  bool any = false;
  for (const CueSheet::File& file : sheet.files) {
    for (const CueSheet::Track& track : file.tracks) {
      if (track.start < 0) {
        problem = "track " + std::to_string(track.number) + " has no INDEX 01";
        return std::nullopt;
      }
      any = true;
    }
  }
  if (!any) {
    problem = "no tracks";
    return std::nullopt;
  }
  return sheet;
}

}  // namespace corvane::platform
