#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "os/audio_output.h"
#include "os/warn.h"

namespace corvane::platform {

namespace {

constexpr int kBytesPerFrame = 2 * sizeof(std::int16_t);

class SdlSink final : public AudioSink {
 public:
  SdlSink(SDL_AudioDeviceID device, std::uint32_t device_count)
      : device_(device), device_count_(device_count) {}
  ~SdlSink() override {
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SdlSink(const SdlSink&) = delete;
  SdlSink& operator=(const SdlSink&) = delete;

  std::uint32_t DeviceCount() const override { return device_count_; }
  std::size_t QueuedFrames() override { return SDL_GetQueuedAudioSize(device_) / kBytesPerFrame; }
  void Queue(const std::int16_t* samples, std::size_t frames) override {
    SDL_QueueAudio(device_, samples, static_cast<Uint32>(frames * kBytesPerFrame));
  }

 private:
  SDL_AudioDeviceID device_;
  std::uint32_t device_count_;
};

// SDL's audio thread asks for a high priority, through D-Bus when the system refuses it
// directly, and libdbus starts a session bus daemon (dbus-launch --autolaunch) when it finds none;
// that daemon would outlive the saver. Where the environment has no session bus, D-Bus is
// switched off for this process instead: the priority request then simply fails.
void KeepDBusFromStartingABus() {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr) return;
  // The per-user bus that libdbus finds by itself, without an address in the environment.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  if (runtime != nullptr && std::filesystem::exists(std::string(runtime) + "/bus", error)) return;
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace

std::unique_ptr<AudioSink> OpenAudioDevice(int rate) {
  KeepDBusFromStartingABus();
  // SDL's audio subsystem brings up its event subsystem, which would otherwise turn SIGINT and
  // SIGTERM into events nobody reads, and the saver would no longer end when its host asks.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Warn("no audio output (%s); music stays silent", SDL_GetError());
    return nullptr;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = rate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  SDL_AudioSpec obtained{};
  // With no changes allowed SDL converts to whatever the device really runs at.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) {
    Warn("no audio output (%s); music stays silent", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  // SDL cannot always enumerate (it answers -1), yet a device opened: count that one.
  const int listed = SDL_GetNumAudioDevices(0);
  SDL_PauseAudioDevice(device, 0);
  return std::make_unique<SdlSink>(device, listed > 0 ? static_cast<std::uint32_t>(listed) : 1u);
}

}  // namespace corvane::platform
