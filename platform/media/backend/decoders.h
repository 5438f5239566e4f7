#pragma once

#include <memory>
#include <string>

#include "platform/media/audio_decoder.h"

namespace corvane::platform {

// MPEG audio through libmpg123. The whole file is scanned at open, so the length is exact even
// for variable-bit-rate files without a length header. nullptr when the data is not MPEG audio.
std::unique_ptr<AudioDecoder> OpenMpg123Decoder(const std::string& path);

// RIFF/WAVE and the other containers libsndfile reads. nullptr when it cannot read the file.
std::unique_ptr<AudioDecoder> OpenSndfileDecoder(const std::string& path);

}  // namespace corvane::platform
