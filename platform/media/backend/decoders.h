#pragma once

#include <memory>

#include "platform/media/audio_decoder.h"
#include "platform/media/backend/readable_file.h"

namespace corvane::platform {

// MPEG audio through libmpg123. The length comes first from the stream's headers; the exact
// length, which needs the whole file read (seconds for a file of many hours), is measured on a
// thread of its own. nullptr when the data is not MPEG audio.
std::unique_ptr<AudioDecoder> OpenMpg123Decoder(ReadableFile file);

// RIFF/WAVE and the other containers libsndfile reads, in the sample formats real files use.
// nullptr when it cannot read the file or its samples are of no such format.
std::unique_ptr<AudioDecoder> OpenSndfileDecoder(ReadableFile file);

}  // namespace corvane::platform
