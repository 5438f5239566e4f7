#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// BIN/CUE disc images made at test time: each track a tone made by sox, padded to whole sectors,
// the tracks one after the other in the .bin, and a cue sheet beside it under the same base name.
namespace corvane::platform::cd_test {

inline constexpr std::size_t kSectorBytes = 2352;

struct ImageTrack {
  int frequency;
  double seconds;
  bool audio = true;
};

// Writes cue (a path ending in ".cue") and its ".bin"; false when sox fails.
inline bool MakeImage(const std::string& cue, const std::vector<ImageTrack>& tracks) {
  const std::string base = cue.substr(0, cue.size() - 4);
  const std::string raw = base + ".raw";
  std::ofstream bin(base + ".bin", std::ios::binary);
  std::ofstream sheet(cue, std::ios::binary);
  sheet << "FILE \"" << std::filesystem::path(base + ".bin").filename().string() << "\" BINARY\r\n";
  std::size_t sectors = 0;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const std::string command = "sox -n -r 44100 -c 2 -b 16 -e signed-integer -L -t raw \"" + raw +
                                "\" synth " + std::to_string(tracks[i].seconds) + " sine " +
                                std::to_string(tracks[i].frequency) + " vol 0.5 2>/dev/null";
    if (std::system(command.c_str()) != 0) return false;
    std::ifstream in(raw, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.resize((bytes.size() + kSectorBytes - 1) / kSectorBytes * kSectorBytes, '\0');
    bin << bytes;
    char index[64];
    std::snprintf(index, sizeof index, "%02zu:%02zu:%02zu", sectors / 75 / 60, sectors / 75 % 60,
                  sectors % 75);
    char track[32];
    std::snprintf(track, sizeof track, "%02zu", i + 1);
    sheet << "  TRACK " << track << (tracks[i].audio ? " AUDIO" : " MODE1/2352") << "\r\n"
          << "    INDEX 01 " << index << "\r\n";
    sectors += bytes.size() / kSectorBytes;
  }
  std::filesystem::remove(raw);
  return bin.good() && sheet.good();
}

// The three-tone disc most tests play: 1 s each of 440, 660 and 880 Hz.
inline const std::vector<ImageTrack> kThreeTones = {{440, 1}, {660, 1}, {880, 1}};

}  // namespace corvane::platform::cd_test
