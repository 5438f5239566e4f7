#include "os/cd_disc.h"

#include <algorithm>
#include <cstdlib>

namespace corvane::platform {

const CdTrack* CdToc::Find(int number) const {
  for (const CdTrack& track : tracks) {
    if (track.number == number) return &track;
  }
  return nullptr;
}

std::int32_t CdToc::EndOf(const CdTrack& track) const {
  const std::size_t index = static_cast<std::size_t>(&track - tracks.data());
  return index + 1 < tracks.size() ? tracks[index + 1].start : leadout;
}

const CdTrack* CdToc::TrackAt(std::int32_t sector) const {
  const CdTrack* found = nullptr;
  for (const CdTrack& track : tracks) {
    if (track.start > sector) break;
    found = &track;
  }
  return found;
}

std::int32_t CdToc::AudioFrom(std::int32_t sector) const {
  for (const CdTrack& track : tracks) {
    if (track.audio && EndOf(track) > sector) return std::max(sector, track.start);
  }
  return leadout;
}

std::int32_t CdToc::AudioUntil(std::int32_t sector) const {
  for (const CdTrack& track : tracks) {
    if (!track.audio && track.start > sector) return track.start;
  }
  return leadout;
}

bool CdToc::Consistent() const {
  if (tracks.empty() || tracks.front().start < 0) return false;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    if (EndOf(tracks[i]) <= tracks[i].start) return false;
    if (i > 0 && tracks[i].number <= tracks[i - 1].number) return false;
  }
  return true;
}

std::string CdDriveName() {
  const char* name = std::getenv("CORVANE_CDROM");
  return name != nullptr ? name : "";
}

}  // namespace corvane::platform
