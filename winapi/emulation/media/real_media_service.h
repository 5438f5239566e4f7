#pragma once

#include <memory>

#include "winapi/emulation/media/media_service.h"

namespace corvane::platform {

// The media service of this platform: command strings for the MPEGVideo device (and the other
// registered device types), wave playback and the audio output. The output opens on first use;
// destroying the service closes every device and stops the mixing thread.
std::unique_ptr<MediaService> CreateMediaService();

}  // namespace corvane::platform
