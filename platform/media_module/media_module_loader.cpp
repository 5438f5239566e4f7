// The program's side of the media module: os/'s media operations, each loading the module the
// first time any of them is called and handing the call on to it. Without the module the program
// plays no music: no output device, no decoder, no disc, as when the system has none.

#include <memory>
#include <string>
#include <utility>

#include "os/dynamic_library.h"
#include "os/runtime.h"
#include "os/service.h"
#include "os/warn.h"
#include "platform/media_module/media_backends.h"

namespace corvane::platform {

namespace {

const MediaBackends* LoadModule() {
  const std::string path = Service<Runtime>::Get().ProgramFolder() + "/" + kMediaModuleFile;
  // The module stays loaded for good: the devices and decoders it made run its code until the
  // program ends.
  const HMODULE module = Service<DynamicLibraries>::Get().LoadLibraryA(path);
  const auto entry = reinterpret_cast<MediaBackendsEntry>(
      Service<DynamicLibraries>::Get().GetProcAddress(module, kMediaModuleEntry));
  if (entry == nullptr) {
    Warn("no media backends in %s; music stays silent", path.c_str());
    return nullptr;
  }
  return entry();
}

// Loaded once, whichever thread asks first.
const MediaBackends* Backends() {
  static const MediaBackends* const backends = LoadModule();
  return backends;
}

}  // namespace

std::unique_ptr<AudioSink> OpenAudioDevice(int rate) {
  const MediaBackends* backends = Backends();
  return backends != nullptr ? backends->open_audio_device(rate) : nullptr;
}

std::unique_ptr<AudioDecoder> OpenMpegDecoder(ReadableFile file) {
  const MediaBackends* backends = Backends();
  return backends != nullptr ? backends->open_mpeg_decoder(std::move(file)) : nullptr;
}

std::unique_ptr<AudioDecoder> OpenContainerDecoder(ReadableFile file) {
  const MediaBackends* backends = Backends();
  return backends != nullptr ? backends->open_container_decoder(std::move(file)) : nullptr;
}

std::unique_ptr<CdDisc> OpenCdDisc(const std::string& name, std::string& problem) {
  const MediaBackends* backends = Backends();
  if (backends == nullptr) {
    problem = "the media module is missing";
    return nullptr;
  }
  return backends->open_cd_disc(name, problem);
}

}  // namespace corvane::platform
