// The entry of the media module: the backends linked into it, as one table. The module exports
// this function alone (media_module.map), so its own calls never reach the program's forwarders
// of the same names.

#include "platform/media_module/media_backends.h"

extern "C" const corvane::platform::MediaBackends* CorvaneMediaBackends() {
  using namespace corvane::platform;
  static constexpr MediaBackends kBackends = {&OpenAudioDevice, &OpenMpegDecoder,
                                              &OpenContainerDecoder, &OpenCdDisc};
  return &kBackends;
}
