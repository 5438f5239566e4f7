#include "winapi/emulation/media/cd_audio_device.h"

#include <cstdio>

#include "os/warn.h"
#include "winapi/emulation/media/cd_audio_stream.h"

namespace corvane::platform {

namespace {

std::int64_t Frames(std::int32_t sector) {
  return static_cast<std::int64_t>(sector) * kCdFramesPerSector;
}

}  // namespace

std::unique_ptr<MciDevice> CdAudioDevice::Open(const MciOpenRequest& request, AudioMixer& mixer,
                                               MCIERROR& /*error*/) {
  const std::string drive = request.element.empty() ? CdDriveName() : request.element;
  return std::make_unique<CdAudioDevice>(drive, mixer);
}

CdAudioDevice::CdAudioDevice(std::string drive, AudioMixer& mixer)
    : drive_(std::move(drive)), mixer_(mixer) {
  HaveDisc();
}

CdAudioDevice::~CdAudioDevice() {
  if (voice_ == nullptr) return;
  // Once the voice has stopped, the mixer reads no more from the disc, so the drive or image
  // can be let go of here rather than whenever the mixer drops its last reference.
  voice_->Stop();
  mixer_.Remove(voice_);
  disc_->Close();
}

bool CdAudioDevice::HaveDisc() {
  if (disc_ != nullptr) return true;
  std::string problem;
  disc_ = OpenCdDisc(drive_, problem);
  if (disc_ == nullptr) {
    if (problem != problem_) Warn("cdaudio: %s", problem.c_str());
    problem_ = problem;
    return false;
  }
  problem_.clear();
  voice_ = std::make_shared<Voice>(std::make_unique<CdAudioStream>(disc_), AudioMixer::kRate);
  // A range with nothing in it only places the head: at the start of the disc, not yet playing.
  const std::int64_t start = Frames(Toc().tracks.front().start);
  voice_->Play(start, start, false);
  mixer_.Add(voice_);
  return true;
}

std::int32_t CdAudioDevice::HeadSector() const {
  return static_cast<std::int32_t>(voice_->PositionFrames() / kCdFramesPerSector);
}

MCIERROR CdAudioDevice::Play(const MciRequest& request) {
  if (!HaveDisc()) return kMciErrDeviceNotReady;
  const CdToc& toc = Toc();
  std::optional<std::int32_t> from;
  std::optional<std::int32_t> to;
  if (request.from && !(from = CdSectorFromPosition(*request.from, format_, toc))) {
    return kMciErrOutOfRange;
  }
  if (request.to && !(to = CdSectorFromPosition(*request.to, format_, toc))) {
    return kMciErrOutOfRange;
  }
  // A play without a range while playing goes on undisturbed.
  if (!from && !to && voice_->State() == VoiceState::kPlaying) return 0;
  std::int32_t start = from.value_or(HeadSector());
  if (to && *to < start) return kMciErrOutOfRange;
  start = toc.AudioFrom(start);
  if (!from && !to && start == toc.leadout) {
    // The disc has played to its end: a plain play starts it over, as a CD player's play button
    // does, instead of answering success and staying silent.
    start = toc.AudioFrom(toc.tracks.front().start);
    if (start == toc.leadout) return kMciErrHardware;
  }
  const std::int32_t end = std::min(to.value_or(toc.leadout), toc.AudioUntil(start));
  voice_->Play(Frames(start), Frames(std::max(start, end)), false);
  if (request.wait) voice_->WaitWhilePlaying();
  return 0;
}

MCIERROR CdAudioDevice::Stop() {
  if (voice_ != nullptr) voice_->Stop();
  return 0;
}

MCIERROR CdAudioDevice::Pause() {
  if (!HaveDisc()) return kMciErrDeviceNotReady;
  voice_->Pause();
  return 0;
}

MCIERROR CdAudioDevice::Resume() {
  if (!HaveDisc()) return kMciErrDeviceNotReady;
  voice_->Resume();
  return 0;
}

MCIERROR CdAudioDevice::Status(const MciRequest& request, std::string& answer) {
  if (request.item == "time format") {
    answer = CdTimeFormatName(format_);
    return 0;
  }
  const bool present = HaveDisc();
  if (request.item == "ready" || request.item == "media present") {
    answer = present ? "true" : "false";
    return 0;
  }
  if (request.item == "mode") {
    if (!present) {
      answer = "open";
      return 0;
    }
    answer = ModeName(voice_->State());
    return 0;
  }
  if (!present) return kMciErrDeviceNotReady;
  return StatusOfDisc(request, answer);
}

MCIERROR CdAudioDevice::StatusOfDisc(const MciRequest& request, std::string& answer) {
  const CdToc& toc = Toc();
  const CdTrack* track = nullptr;
  if (request.track) {
    if (request.item != "position" && request.item != "length") return kMciErrFlagsNotCompatible;
    if ((track = toc.Find(static_cast<int>(*request.track))) == nullptr) {
      return kMciErrOutOfRange;
    }
  }
  if (request.item == "number of tracks") {
    answer = std::to_string(toc.tracks.size());
  } else if (request.item == "current track") {
    answer = std::to_string(toc.TrackAt(HeadSector())->number);
  } else if (request.item == "position") {
    answer = CdPositionText(track != nullptr ? track->start : HeadSector(), format_, toc);
  } else if (request.item == "length") {
    const std::int32_t sectors = track != nullptr ? toc.EndOf(*track) - track->start
                                                  : toc.leadout - toc.tracks.front().start;
    answer = CdLengthText(sectors, format_);
  } else {
    return kMciErrUnsupportedFunction;
  }
  return 0;
}

MCIERROR CdAudioDevice::Set(const MciRequest& request) {
  if (request.item != "time format") return kMciErrUnsupportedFunction;
  const std::optional<CdTimeFormat> format = ParseCdTimeFormat(request.value);
  if (!format) return kMciErrBadTimeFormat;
  format_ = *format;
  return 0;
}

}  // namespace corvane::platform
