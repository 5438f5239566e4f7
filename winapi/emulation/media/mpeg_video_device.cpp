#include "winapi/emulation/media/mpeg_video_device.h"

#include "winapi/emulation/media/audio_file.h"

namespace corvane::platform {

std::unique_ptr<MciDevice> MpegVideoDevice::Open(const MciOpenRequest& request, AudioMixer& mixer,
                                                 MCIERROR& error) {
  if (request.element.empty()) {
    error = kMciErrMissingParameter;
    return nullptr;
  }
  std::unique_ptr<AudioDecoder> decoder =
      OpenAudioFile(request.element, AudioFileKind::kAnyMusic, error);
  if (decoder == nullptr) return nullptr;
  auto voice = std::make_shared<Voice>(std::move(decoder), AudioMixer::kRate);
  return std::make_unique<MpegVideoDevice>(std::move(voice), mixer);
}

MpegVideoDevice::MpegVideoDevice(std::shared_ptr<Voice> voice, AudioMixer& mixer)
    : voice_(std::move(voice)), mixer_(mixer) {
  mixer_.Add(voice_);
}

MpegVideoDevice::~MpegVideoDevice() {
  voice_->Stop();
  mixer_.Remove(voice_);
}

MCIERROR MpegVideoDevice::Play(const MciRequest& request) {
  const std::int64_t length_ms = ToMilliseconds(voice_->LengthFrames());
  if ((request.from && *request.from > length_ms) || (request.to && *request.to > length_ms) ||
      (request.from && request.to && *request.to < *request.from)) {
    return kMciErrOutOfRange;
  }
  // A play without a range while playing goes on undisturbed.
  if (!request.from && !request.to && voice_->State() == VoiceState::kPlaying) {
    if (request.wait) voice_->WaitWhilePlaying();
    return 0;
  }
  if (!request.from && request.to && *request.to < ToMilliseconds(voice_->PositionFrames())) {
    return kMciErrOutOfRange;
  }
  const std::int64_t from = request.from ? ToFrames(*request.from) : voice_->PositionFrames();
  std::optional<std::int64_t> to;
  if (request.to) to = ToFrames(*request.to);
  voice_->Play(from, to, false);
  if (request.wait) voice_->WaitWhilePlaying();
  return 0;
}

MCIERROR MpegVideoDevice::Stop() {
  voice_->Stop();
  return 0;
}

MCIERROR MpegVideoDevice::Pause() {
  voice_->Pause();
  return 0;
}

MCIERROR MpegVideoDevice::Resume() {
  voice_->Resume();
  return 0;
}

MCIERROR MpegVideoDevice::Status(const MciRequest& request, std::string& answer) {
  if (request.track) return kMciErrUnsupportedFunction;
  if (request.item == "mode") {
    answer = ModeName(voice_->State());
  } else if (request.item == "position") {
    answer = std::to_string(ToMilliseconds(voice_->PositionFrames()));
  } else if (request.item == "length") {
    answer = std::to_string(ToMilliseconds(voice_->LengthFrames()));
  } else if (request.item == "ready" || request.item == "media present") {
    answer = "true";
  } else if (request.item == "time format") {
    answer = "milliseconds";
  } else {
    return kMciErrUnsupportedFunction;
  }
  return 0;
}

MCIERROR MpegVideoDevice::Set(const MciRequest& request) {
  // Milliseconds are this device's only time format.
  if (request.value == "milliseconds" || request.value == "ms") return 0;
  return kMciErrBadTimeFormat;
}

std::int64_t MpegVideoDevice::ToFrames(std::uint32_t milliseconds) const {
  return static_cast<std::int64_t>(milliseconds) * voice_->SampleRate() / 1000;
}

std::int64_t MpegVideoDevice::ToMilliseconds(std::int64_t frames) const {
  return frames * 1000 / voice_->SampleRate();
}

}  // namespace corvane::platform
