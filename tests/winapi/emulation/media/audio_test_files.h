#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

// Sound files made at test time, and a reader for the raw PCM that SDL's "disk" audio driver
// writes (16-bit stereo at the mix rate, which the disk driver takes as asked).
namespace corvane::platform::audio_test {

inline constexpr int kRate = 44100;

// A fresh folder whose name has a blank in it, removed at the end.
struct Scratch {
  Scratch() { std::filesystem::create_directory(folder); }
  std::string operator/(const std::string& name) const { return folder + "/" + name; }

  test_support::TempFolder root;
  std::string folder = root / "corvane media";
};

struct Tone {
  double frequency;  // 0 for silence
  double seconds;
};

inline std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A 16-bit stereo RIFF/WAVE file of the tones one after the other, at amplitude 0.5.
inline void WriteWave(const std::string& path, const std::vector<Tone>& tones, int rate = kRate) {
  std::string samples;
  for (const Tone& tone : tones) {
    for (int i = 0; i < static_cast<int>(tone.seconds * rate); ++i) {
      const double v = 0.5 * std::sin(2 * M_PI * tone.frequency * i / rate);
      samples += Le(static_cast<std::uint16_t>(std::lround(v * 32767)), 2);
      samples += samples.substr(samples.size() - 2);
    }
  }
  const auto size = static_cast<std::uint32_t>(samples.size());
  const auto r = static_cast<std::uint32_t>(rate);
  test_support::WriteFileBytes(path, "RIFF" + Le(36 + size, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) +
                                         Le(2, 2) + Le(r, 4) + Le(r * 4, 4) + Le(4, 2) + Le(16, 2) +
                                         "data" + Le(size, 4) + samples);
}

// Encodes a WAV file with lame; lame_options as on its command line.
inline bool EncodeMp3(const std::string& wav, const std::string& mp3,
                      const std::string& lame_options) {
  const std::string command =
      "lame --quiet " + lame_options + " \"" + wav + "\" \"" + mp3 + "\" >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// The disk driver writes samples in the machine's own byte order.
inline std::vector<std::int16_t> ReadPcm(const std::string& path) {
  const std::string bytes = test_support::ReadFileBytes(path);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

}  // namespace corvane::platform::audio_test
