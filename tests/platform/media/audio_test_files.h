#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

inline void WriteLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 16-bit stereo RIFF/WAVE file of the tones one after the other, at amplitude 0.5.
inline void WriteWave(const std::string& path, const std::vector<Tone>& tones, int rate = kRate) {
  std::vector<std::int16_t> samples;
  for (const Tone& tone : tones) {
    const auto frames = static_cast<std::size_t>(tone.seconds * rate);
    for (std::size_t i = 0; i < frames; ++i) {
      const double v = 0.5 * std::sin(2 * M_PI * tone.frequency * static_cast<double>(i) / rate);
      samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767)));
      samples.push_back(samples.back());
    }
  }
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  WriteLe(out, 36 + data_bytes, 4);
  out.write("WAVEfmt ", 8);
  WriteLe(out, 16, 4);
  WriteLe(out, 1, 2);
  WriteLe(out, 2, 2);
  WriteLe(out, static_cast<std::uint32_t>(rate), 4);
  WriteLe(out, static_cast<std::uint32_t>(rate) * 4, 4);
  WriteLe(out, 4, 2);
  WriteLe(out, 16, 2);
  out.write("data", 4);
  WriteLe(out, data_bytes, 4);
  out.write(reinterpret_cast<const char*>(samples.data()), data_bytes);
}

// Encodes a WAV file with lame; lame_options as on its command line.
inline bool EncodeMp3(const std::string& wav, const std::string& mp3,
                      const std::string& lame_options) {
  const std::string command =
      "lame --quiet " + lame_options + " \"" + wav + "\" \"" + mp3 + "\" >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

inline std::vector<std::int16_t> ReadPcm(const std::string& path) {
  const std::string bytes = test_support::ReadFileBytes(path);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
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
  const std::size_t frames = pcm.size() / 2;
  for (std::size_t start = 0; start + kWindow <= frames; start += kWindow) {
    double energy = 0;
    int crossings = 0;
    for (std::size_t i = start; i < start + kWindow; ++i) {
      const double v = pcm[2 * i] / 32768.0;
      energy += v * v;
      if (i > start && (pcm[2 * i] >= 0) != (pcm[2 * (i - 1)] >= 0)) ++crossings;
    }
    int frequency = 0;
    if (std::sqrt(energy / kWindow) > 0.05) {
      const double measured = crossings * 100.0 / 2;
      frequency = candidates.front();
      for (int c : candidates) {
        if (std::abs(c - measured) < std::abs(frequency - measured)) frequency = c;
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
