#include "winapi/emulation/media/wave_player.h"

#include <filesystem>

#include "winapi/emulation/media/audio_file.h"
#include "winapi/winmm.h"

namespace corvane::platform {

bool WavePlayer::PlaySound(const char* name, std::uint32_t flags) {
  if ((flags & kSndNoStop) != 0 && current_ != nullptr &&
      current_->State() == VoiceState::kPlaying) {
    return false;
  }
  // Any other call ends the sound that plays, whether or not its own sound can be played.
  Stop();
  if (name == nullptr || (flags & kSndPurge) != 0) return true;
  // Sounds from memory, resources or aliases do not exist on this platform.
  if ((flags & (kSndMemory | kSndAlias)) != 0) return false;

  std::filesystem::path path(name);
  if (!path.has_extension() && !std::filesystem::exists(path)) path += ".wav";
  MCIERROR error = 0;
  std::unique_ptr<AudioDecoder> decoder =
      OpenAudioFile(path.string(), AudioFileKind::kWaveOnly, error);
  if (decoder == nullptr) return false;

  AudioMixer& mixer = mixer_();
  auto voice = std::make_shared<Voice>(std::move(decoder), AudioMixer::kRate);
  mixer.Add(voice);
  // A loop needs an asynchronous call: a synchronous loop would never give control back.
  const bool async = (flags & kSndAsync) != 0;
  voice->Play(0, std::nullopt, async && (flags & kSndLoop) != 0);
  current_ = voice;
  if (!async) {
    voice->WaitWhilePlaying();
    Stop();
  }
  return true;
}

void WavePlayer::Stop() {
  if (current_ == nullptr) return;
  current_->Stop();
  mixer_().Remove(current_);
  current_.reset();
}

}  // namespace corvane::platform
