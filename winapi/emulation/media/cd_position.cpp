#include "winapi/emulation/media/cd_position.h"

#include <cstdio>

namespace corvane::platform {

namespace {

constexpr std::int32_t kSectorsPerMinute = 60 * kCdSectorsPerSecond;

std::int32_t Field(std::uint32_t value, int index) {
  return static_cast<std::int32_t>((value >> (8 * index)) & 0xFF);
}

std::string MinutesSecondsFrames(std::int32_t sectors) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", sectors / kSectorsPerMinute,
                sectors / kCdSectorsPerSecond % 60, sectors % kCdSectorsPerSecond);
  return text;
}

}  // namespace

std::optional<CdTimeFormat> ParseCdTimeFormat(std::string_view name) {
  if (name == "msf") return CdTimeFormat::kMsf;
  if (name == "tmsf") return CdTimeFormat::kTmsf;
  if (name == "milliseconds" || name == "ms") return CdTimeFormat::kMilliseconds;
  return std::nullopt;
}

std::string_view CdTimeFormatName(CdTimeFormat format) {
  switch (format) {
    case CdTimeFormat::kMsf:
      return "msf";
    case CdTimeFormat::kTmsf:
      return "tmsf";
    case CdTimeFormat::kMilliseconds:
      return "milliseconds";
  }
  return "msf";
}

std::optional<std::int32_t> CdSectorFromPosition(std::uint32_t value, CdTimeFormat format,
                                                 const CdToc& toc) {
  std::int64_t sector = 0;
  switch (format) {
    case CdTimeFormat::kMsf:
      sector = Field(value, 0) * kSectorsPerMinute + Field(value, 1) * kCdSectorsPerSecond +
               Field(value, 2) - kCdLeadInSectors;
      break;
    case CdTimeFormat::kTmsf: {
      const CdTrack* track = toc.Find(Field(value, 0));
      if (track == nullptr) return std::nullopt;
      sector = track->start + Field(value, 1) * kSectorsPerMinute +
               Field(value, 2) * kCdSectorsPerSecond + Field(value, 3);
      break;
    }
    case CdTimeFormat::kMilliseconds:
      // Rounded to the nearest sector, so that every position the device answers in
      // milliseconds names the sector it came from.
      sector =
          (static_cast<std::int64_t>(value) * kCdSectorsPerSecond + 500) / 1000 - kCdLeadInSectors;
      break;
  }
  if (toc.tracks.empty() || sector < toc.tracks.front().start || sector > toc.leadout) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(sector);
}

std::string CdPositionText(std::int32_t sector, CdTimeFormat format, const CdToc& toc) {
  switch (format) {
    case CdTimeFormat::kMsf:
      return MinutesSecondsFrames(sector + kCdLeadInSectors);
    case CdTimeFormat::kTmsf: {
      const CdTrack* track = toc.TrackAt(sector);
      if (track == nullptr) return "00:" + MinutesSecondsFrames(0);
      char number[8];
      std::snprintf(number, sizeof number, "%02d:", track->number);
      return number + MinutesSecondsFrames(sector - track->start);
    }
    case CdTimeFormat::kMilliseconds:
      return std::to_string(static_cast<std::int64_t>(sector + kCdLeadInSectors) * 1000 /
                            kCdSectorsPerSecond);
  }
  return {};
}

std::string CdLengthText(std::int32_t sectors, CdTimeFormat format) {
  if (format == CdTimeFormat::kMilliseconds) {
    return std::to_string(static_cast<std::int64_t>(sectors) * 1000 / kCdSectorsPerSecond);
  }
  return MinutesSecondsFrames(sectors);
}

}  // namespace corvane::platform
