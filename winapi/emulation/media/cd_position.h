#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "os/cd_disc.h"

namespace corvane::platform {

// How the cdaudio device reads and writes positions. MSF and milliseconds address the whole
// disc, lead-in included (the first track usually starts at 00:02:00); TMSF is a track number
// and the time into that track.
enum class CdTimeFormat { kMsf, kTmsf, kMilliseconds };

// The format a "set ... time format" names ("msf", "tmsf", "milliseconds" or "ms"), lower case.
std::optional<CdTimeFormat> ParseCdTimeFormat(std::string_view name);
std::string_view CdTimeFormatName(CdTimeFormat format);

// The sector a position argument names. Colon forms arrive packed low field first, so in TMSF
// the track is the lowest byte and "3" alone is the start of track 3. Nothing when the position
// lies outside the disc (before its first track or after its lead-out) or names no track.
std::optional<std::int32_t> CdSectorFromPosition(std::uint32_t value, CdTimeFormat format,
                                                 const CdToc& toc);

// A position as status answers it: "mm:ss:ff" for MSF, "tt:mm:ss:ff" for TMSF, a plain number
// of milliseconds. Two digits per field, wider minutes when there are more than 99.
std::string CdPositionText(std::int32_t sector, CdTimeFormat format, const CdToc& toc);

// A length of sectors as status answers it: milliseconds in that format, "mm:ss:ff" otherwise,
// since a length is no place on the disc and has no track.
std::string CdLengthText(std::int32_t sectors, CdTimeFormat format);

}  // namespace corvane::platform
