#pragma once

#include <memory>

#include "platform/media/audio_sink.h"

namespace corvane::platform {

// The default output device through SDL's audio subsystem (no video), or nullptr when there is
// none. Selecting SDL's "disk" driver writes the raw output to a file instead, which tests read.
std::unique_ptr<AudioSink> OpenSdlSink(int rate);

}  // namespace corvane::platform
