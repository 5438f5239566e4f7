#pragma once

#include <memory>
#include <string>

#include "os/cd_disc.h"
#include "winapi/emulation/media/audio_mixer.h"
#include "winapi/emulation/media/cd_position.h"
#include "winapi/emulation/media/mci_device.h"
#include "winapi/emulation/media/mci_session.h"

namespace corvane::platform {

// The "cdaudio" device: plays an audio CD, from a drive or a BIN/CUE image, through the mixer.
// The drive is the one the open command names, else CORVANE_CDROM, else the system's default.
// Opening succeeds without a disc, as a drive with its door open would: the mode is then "open"
// and anything that needs the disc fails with "device not ready" until a disc is found, which
// each such command looks for again. Positions follow the time format (MSF until set); data
// tracks are never played.
class CdAudioDevice final : public MciDevice {
 public:
  static std::unique_ptr<MciDevice> Open(const MciOpenRequest& request, AudioMixer& mixer,
                                         MCIERROR& error);
  CdAudioDevice(std::string drive, AudioMixer& mixer);
  ~CdAudioDevice() override;
  CdAudioDevice(const CdAudioDevice&) = delete;
  CdAudioDevice& operator=(const CdAudioDevice&) = delete;

  MCIERROR Play(const MciRequest& request) override;
  MCIERROR Stop() override;
  MCIERROR Pause() override;
  MCIERROR Resume() override;
  MCIERROR Status(const MciRequest& request, std::string& answer) override;
  MCIERROR Set(const MciRequest& request) override;

 private:
  // Looks for the disc when there is none yet; true when there is one.
  bool HaveDisc();
  const CdToc& Toc() const { return disc_->Toc(); }
  std::int32_t HeadSector() const;
  MCIERROR StatusOfDisc(const MciRequest& request, std::string& answer);

  const std::string drive_;
  AudioMixer& mixer_;
  CdTimeFormat format_ = CdTimeFormat::kMsf;
  std::shared_ptr<CdDisc> disc_;
  std::shared_ptr<Voice> voice_;
  // The last reason the disc could not be opened, told once on stderr rather than on every try.
  std::string problem_;
};

}  // namespace corvane::platform
