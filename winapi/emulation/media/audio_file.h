#pragma once

#include <memory>
#include <string>

#include "os/audio_decoder.h"
#include "winapi/mci_error.h"

namespace corvane::platform {

enum class AudioFileKind {
  kAnyMusic,  // MP3, or any container the wave backend reads (RIFF/WAVE, AIFF, FLAC, Ogg)
  kWaveOnly,  // RIFF/WAVE, as wave playback accepts nothing else
};

// Opens a sound file by its content, not its name. On failure returns nullptr and sets error to
// kMciErrFileNotFound (nothing there, or something other than a regular file: a folder, a FIFO,
// a device) or kMciErrInvalidFile (not a playable sound, or a format no real file uses).
std::unique_ptr<AudioDecoder> OpenAudioFile(const std::string& path, AudioFileKind kind,
                                            MCIERROR& error);

}  // namespace corvane::platform
