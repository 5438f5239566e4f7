#pragma once

#include <memory>
#include <string>

#include "os/audio_decoder.h"
#include "os/audio_output.h"
#include "os/cd_disc.h"
#include "os/readable_file.h"

namespace corvane::platform {

// The media backends (audio output, decoders, CD discs) live in a module of their own beside the
// program, loaded when music is first asked for: the libraries behind them are many, and a saver
// without music must not wait for them to load at its start.
inline constexpr const char* kMediaModuleFile = "corvane-media.so";
// The module's one export: a function without arguments returning the table below.
inline constexpr const char* kMediaModuleEntry = "CorvaneMediaBackends";

// The module's operations, as os/ declares them.
struct MediaBackends {
  std::unique_ptr<AudioSink> (*open_audio_device)(int rate);
  std::unique_ptr<AudioDecoder> (*open_mpeg_decoder)(ReadableFile file);
  std::unique_ptr<AudioDecoder> (*open_container_decoder)(ReadableFile file);
  std::unique_ptr<CdDisc> (*open_cd_disc)(const std::string& name, std::string& problem);
};

using MediaBackendsEntry = const MediaBackends* (*)();

}  // namespace corvane::platform
