#pragma once

#include <memory>
#include <string>

#include "os/cd_disc.h"

namespace corvane::platform {

// A disc image described by a cue sheet: its data files are the ones the sheet's FILE lines
// name, relative to the sheet's folder, one or several (a file per track, as rips often are),
// raw sectors (BINARY little-endian, MOTOROLA big-endian) or 16-bit stereo 44.1 kHz WAVE files.
// The files follow each other on the disc in the sheet's order. nullptr with the reason in
// problem when the sheet or a file it names cannot be read or does not describe a disc.
std::unique_ptr<CdDisc> OpenCueImage(const std::string& cue, std::string& problem);

}  // namespace corvane::platform
