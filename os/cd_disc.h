#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane::platform {

// An audio CD sector: 1/75 s of 44.1 kHz 16-bit stereo, 588 frames in 2352 bytes.
inline constexpr std::int32_t kCdSectorsPerSecond = 75;
inline constexpr std::int32_t kCdFramesPerSector = 588;
inline constexpr std::int32_t kCdSampleRate = kCdSectorsPerSecond * kCdFramesPerSector;
// Sector numbers count from the first sector after the lead-in; the addresses a disc shows to
// its users (and MSF positions) count the 2 s lead-in too, so the first track starts at 00:02:00.
inline constexpr std::int32_t kCdLeadInSectors = 2 * kCdSectorsPerSecond;

struct CdTrack {
  int number = 0;
  std::int32_t start = 0;  // first sector
  bool audio = true;
};

// The table of contents: every track of the disc, data tracks included so that track numbers
// stay the disc's own, in ascending order of start, and the lead-out (the sector after the last).
struct CdToc {
  std::vector<CdTrack> tracks;
  std::int32_t leadout = 0;

  const CdTrack* Find(int number) const;
  // The sector after the track: the next track's start, or the lead-out.
  std::int32_t EndOf(const CdTrack& track) const;
  // The track holding sector, or the last track for the lead-out; nullptr before the first.
  const CdTrack* TrackAt(std::int32_t sector) const;
  // The first sector at or after sector that lies in an audio track; the lead-out when no audio
  // follows.
  std::int32_t AudioFrom(std::int32_t sector) const;
  // Where audio that plays from sector must stop: the start of the first data track after it,
  // or the lead-out.
  std::int32_t AudioUntil(std::int32_t sector) const;
  // True when the tracks are in order, each has at least one sector, and the lead-out follows
  // them. A table read from a damaged image can break each of these.
  bool Consistent() const;
};

// A disc in a drive, or a disc image, with its table of contents read. Reads may come from any
// one thread at a time; Close may come from another and waits for a read in progress.
class CdDisc {
 public:
  virtual ~CdDisc() = default;

  virtual const CdToc& Toc() const = 0;
  // Reads count audio sectors from sector on as interleaved 16-bit stereo in host byte order
  // (count * kCdFramesPerSector * 2 samples). False when the disc cannot give all of them.
  virtual bool ReadAudio(std::int32_t sector, std::int32_t count, std::int16_t* samples) = 0;
  // Lets go of the drive or the image file at once; later reads fail.
  virtual void Close() = 0;
};

// Opens the disc in the drive `name`: a device path (a block device), or a ".cue" image whose
// data files are the ones its FILE lines name; an empty name means the system's default CD drive.
// Returns nullptr and says why in problem when there is no drive, no disc, or nothing playable on
// it.
std::unique_ptr<CdDisc> OpenCdDisc(const std::string& name, std::string& problem);

// The drive to use: the environment variable CORVANE_CDROM, empty when it is not set.
std::string CdDriveName();

}  // namespace corvane::platform
