#pragma once

#include <memory>

#include "winapi/emulation/media/audio_mixer.h"
#include "winapi/emulation/media/mci_device.h"
#include "winapi/emulation/media/mci_session.h"

namespace corvane::platform {

// The "MPEGVideo" device: plays the audio of a music file (MP3, or WAV and the other containers
// the wave backend reads). Positions are in milliseconds. At the end of the file the mode becomes
// "stopped" and the position stays at the end, so "play ... from 0" is how a caller starts again.
class MpegVideoDevice final : public MciDevice {
 public:
  static std::unique_ptr<MciDevice> Open(const MciOpenRequest& request, AudioMixer& mixer,
                                         MCIERROR& error);
  MpegVideoDevice(std::shared_ptr<Voice> voice, AudioMixer& mixer);
  ~MpegVideoDevice() override;
  MpegVideoDevice(const MpegVideoDevice&) = delete;
  MpegVideoDevice& operator=(const MpegVideoDevice&) = delete;

  MCIERROR Play(const MciRequest& request) override;
  MCIERROR Stop() override;
  MCIERROR Pause() override;
  MCIERROR Resume() override;
  MCIERROR Status(const MciRequest& request, std::string& answer) override;
  MCIERROR Set(const MciRequest& request) override;

 private:
  std::int64_t ToFrames(std::uint32_t milliseconds) const;
  std::int64_t ToMilliseconds(std::int64_t frames) const;

  const std::shared_ptr<Voice> voice_;
  AudioMixer& mixer_;
};

}  // namespace corvane::platform
