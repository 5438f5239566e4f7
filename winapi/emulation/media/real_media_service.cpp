#include "winapi/emulation/media/real_media_service.h"

#include "winapi/emulation/media/audio_mixer.h"
#include "winapi/emulation/media/cd_audio_device.h"
#include "winapi/emulation/media/mci_error_text.h"
#include "winapi/emulation/media/mci_session.h"
#include "winapi/emulation/media/mpeg_video_device.h"
#include "winapi/emulation/media/wave_player.h"

namespace corvane::platform {

namespace {

class RealMediaService final : public MediaService {
 public:
  RealMediaService() : wave_([this]() -> AudioMixer& { return Mixer(); }) {
    session_.RegisterDeviceType("mpegvideo",
                                {"mp3", "mp2", "mpa", "wav", "aif", "aiff", "flac", "ogg"},
                                [this](const MciOpenRequest& request, MCIERROR& error) {
                                  return MpegVideoDevice::Open(request, Mixer(), error);
                                });
    session_.RegisterDeviceType("cdaudio", {},
                                [this](const MciOpenRequest& request, MCIERROR& error) {
                                  return CdAudioDevice::Open(request, Mixer(), error);
                                });
  }

  ~RealMediaService() override {
    // Devices and the wave sound let go of their voices before the mixer that plays them ends.
    session_.CloseAll();
    wave_.Stop();
    mixer_.reset();
  }

  MCIERROR SendCommand(std::string_view command, std::string& answer) override {
    return session_.Execute(command, answer);
  }
  std::string ErrorText(MCIERROR code) override { return std::string(MciErrorText(code)); }
  bool PlaySound(const char* name, std::uint32_t flags) override {
    return wave_.PlaySound(name, flags);
  }
  std::uint32_t CountOutputDevices() override { return Mixer().DeviceCount(); }

 private:
  AudioMixer& Mixer() {
    if (mixer_ == nullptr) mixer_ = std::make_unique<AudioMixer>(OpenAudioSink(AudioMixer::kRate));
    return *mixer_;
  }

  std::unique_ptr<AudioMixer> mixer_;
  MciSession session_;
  WavePlayer wave_;
};

}  // namespace

std::unique_ptr<MediaService> CreateMediaService() { return std::make_unique<RealMediaService>(); }

}  // namespace corvane::platform
