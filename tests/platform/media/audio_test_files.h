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

// A stretch of the PCM where one tone sounds (or silence, frequency 0), to 10 ms.
struct Segment {
  int frequency;  // the nearest of the candidates
  double start;   // seconds
  double seconds;
};

// Splits left-channel PCM into 10 ms windows and names each window's tone by its zero crossings
// (the nearest of candidates, or 0 when quiet). Runs of one tone shorter than `noise` seconds join
// the run before them: window edges and the clicks of a restart can misname a window or two.
inline std::vector<Segment> Segments(const std::vector<std::int16_t>& pcm,
                                     const std::vector<int>& candidates, double noise = 0.035) {
  constexpr std::size_t kWindow = kRate / 100;
  std::vector<Segment> runs;
  for (std::size_t start = 0; start + kWindow <= pcm.size() / 2; start += kWindow) {
    double energy = 0;
    int crossings = 0;
    for (std::size_t i = start; i < start + kWindow; ++i) {
      energy += pcm[2 * i] / 32768.0 * pcm[2 * i] / 32768.0;
      if (i > start && (pcm[2 * i] >= 0) != (pcm[2 * (i - 1)] >= 0)) ++crossings;
    }
    int frequency = 0;
    if (std::sqrt(energy / kWindow) > 0.05) {
      frequency = candidates.front();
      for (int c : candidates) {
        if (std::abs(c - crossings * 50.0) < std::abs(frequency - crossings * 50.0)) frequency = c;
      }
    }
    if (!runs.empty() && runs.back().frequency == frequency) {
      runs.back().seconds += 0.01;
    } else {
      runs.push_back({frequency, static_cast<double>(start) / kRate, 0.01});
    }
  }
  std::vector<Segment> out;
  for (const Segment& s : runs) {
    if (!out.empty() && (s.seconds < noise || out.back().frequency == s.frequency)) {
      out.back().seconds += s.seconds;
    } else {
      out.push_back(s);
    }
  }
  return out;
}

}  // namespace corvane::platform::audio_test
