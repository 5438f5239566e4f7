#include "platform/cdio/cue_image.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "os/readable_file.h"
#include "winapi/emulation/media/cue_sheet.h"

namespace corvane::platform {

namespace {

constexpr std::int64_t kSectorBytes = kCdFramesPerSector * 4;
// Real cue sheets are a few kilobytes; anything far larger is not one.
constexpr std::int64_t kMaxCueBytes = 1 << 20;

std::uint32_t Le(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

// Finds the samples of a RIFF/WAVE file. True with their offset and size when they are CD
// audio: PCM, two channels, 16 bits, 44.1 kHz.
bool FindWaveData(const ReadableFile& file, std::int64_t& offset, std::int64_t& size) {
  std::array<unsigned char, 12> riff{};
  if (file.ReadAt(0, riff.data(), riff.size()) != riff.size() ||
      std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  bool cd_format = false;
  for (std::int64_t at = 12; at + 8 <= file.Size();) {
    std::array<unsigned char, 8> chunk{};
    if (file.ReadAt(at, chunk.data(), chunk.size()) != chunk.size()) return false;
    const std::int64_t length = Le(chunk.data() + 4, 4);
    if (std::memcmp(chunk.data(), "fmt ", 4) == 0) {
      std::array<unsigned char, 16> format{};
      if (length < 16 || file.ReadAt(at + 8, format.data(), format.size()) != format.size()) {
        return false;
      }
      cd_format = Le(format.data(), 2) == 1 && Le(format.data() + 2, 2) == 2 &&
                  Le(format.data() + 4, 4) == static_cast<std::uint32_t>(kCdSampleRate) &&
                  Le(format.data() + 14, 2) == 16;
    } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
      offset = at + 8;
      size = std::min(length, file.Size() - offset);
      return cd_format;
    }
    at += 8 + length + (length & 1);
  }
  return false;
}

// One data file's place on the disc.
struct Segment {
  ReadableFile file;
  std::int64_t offset = 0;  // of the first sector in the file
  std::int32_t first = 0;   // disc sector of that first sector
  std::int32_t sectors = 0;
  bool big_endian = false;
};

class CueImageDisc final : public CdDisc {
 public:
  CueImageDisc(CdToc toc, std::vector<Segment> segments)
      : toc_(std::move(toc)), segments_(std::move(segments)) {}

  const CdToc& Toc() const override { return toc_; }

  bool ReadAudio(std::int32_t sector, std::int32_t count, std::int16_t* samples) override {
    std::lock_guard lock(mutex_);
    if (segments_.empty() || count <= 0 || sector < 0 || sector > toc_.leadout - count) {
      return false;
    }
    std::array<unsigned char, kSectorBytes> bytes{};
    for (std::int32_t s = sector; s < sector + count; ++s) {
      const Segment* segment = nullptr;
      for (const Segment& candidate : segments_) {
        if (s >= candidate.first && s < candidate.first + candidate.sectors) segment = &candidate;
      }
      if (segment == nullptr ||
          segment->file.ReadAt(segment->offset + (s - segment->first) * kSectorBytes, bytes.data(),
                               bytes.size()) != bytes.size()) {
        return false;
      }
      const int low = segment->big_endian ? 1 : 0;
      for (std::size_t i = 0; i < bytes.size() / 2; ++i) {
        *samples++ = static_cast<std::int16_t>(bytes[2 * i + low] | bytes[2 * i + 1 - low] << 8);
      }
    }
    return true;
  }

  void Close() override {
    std::lock_guard lock(mutex_);
    segments_.clear();
  }

 private:
  const CdToc toc_;
  std::mutex mutex_;
  std::vector<Segment> segments_;
};

}  // namespace

std::unique_ptr<CdDisc> OpenCueImage(const std::string& cue, std::string& problem) {
  const ReadableFile sheet_file(cue);
  if (!sheet_file.IsOpen()) {
    problem = "not found, or not a regular file";
    return nullptr;
  }
  if (sheet_file.Size() > kMaxCueBytes) {
    problem = "too large for a cue sheet";
    return nullptr;
  }
  std::string text(static_cast<std::size_t>(sheet_file.Size()), '\0');
  text.resize(sheet_file.ReadAt(0, text.data(), text.size()));
  const std::optional<CueSheet> sheet = ParseCueSheet(text, problem);
  if (!sheet) {
    problem = "the cue sheet is not valid (" + problem + ")";
    return nullptr;
  }

  const std::filesystem::path folder = std::filesystem::path(cue).parent_path();
  CdToc toc;
  std::vector<Segment> segments;
  std::int32_t base = 0;
  for (const CueSheet::File& named : sheet->files) {
    Segment segment{ReadableFile((folder / named.name).string()), 0, base, 0,
                    named.type == CueSheet::FileType::kMotorola};
    std::int64_t size = segment.file.Size();
    if (!segment.file.IsOpen()) {
      problem = "its data file \"" + named.name + "\" is missing or not a regular file";
      return nullptr;
    }
    if (named.type == CueSheet::FileType::kWave &&
        !FindWaveData(segment.file, segment.offset, size)) {
      problem = "its WAVE file \"" + named.name + "\" is not 16-bit stereo PCM at 44.1 kHz";
      return nullptr;
    }
    segment.sectors = static_cast<std::int32_t>(size / kSectorBytes);
    for (const CueSheet::Track& track : named.tracks) {
      if (track.start >= segment.sectors) {
        problem = "track " + std::to_string(track.number) + " starts past the end of \"" +
                  named.name + "\"";
        return nullptr;
      }
      toc.tracks.push_back({track.number, base + track.start, track.audio});
    }
    base += segment.sectors;
    segments.push_back(std::move(segment));
  }
  toc.leadout = base;
  if (!toc.Consistent()) {
    problem = "the table of contents does not fit the disc's data";
    return nullptr;
  }
  return std::make_unique<CueImageDisc>(std::move(toc), std::move(segments));
}

}  // namespace corvane::platform
