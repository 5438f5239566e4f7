#pragma once

#include <memory>

#include "os/audio_output.h"

namespace corvane::platform {

// The first sink that opens: a real output device, else silence that keeps time by the clock,
// so playback positions and end-of-file behave alike with and without sound.
std::unique_ptr<AudioSink> OpenAudioSink(int rate);
// A sink without a device that plays `rate` frames a second into nothing.
std::unique_ptr<AudioSink> OpenSilentSink(int rate);

}  // namespace corvane::platform
