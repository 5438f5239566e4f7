#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/media/audio_decoder.h"

namespace corvane::platform {

enum class VoiceState { kStopped, kPlaying, kPaused };

// The answer a device gives to "status <alias> mode" for a voice in this state.
const char* ModeName(VoiceState state);

// One sound being played into the mix: its decoder, the range being played and the position.
// Controls come from the user-interface thread; the mixer thread calls Mix. Positions are frames
// of the file's own rate; the voice resamples to the mix rate as it goes.
class Voice {
 public:
  Voice(std::unique_ptr<AudioDecoder> decoder, int mix_rate);

  // Plays frames [from, to) (to the end without `to`). With loop the whole file repeats from its
  // start each time play reaches the end, until stopped. A range with nothing in it stops at once.
  void Play(std::int64_t from, std::optional<std::int64_t> to, bool loop);
  void Stop();
  void Pause();
  void Resume();
  // Blocks until play stops by itself or is stopped.
  void WaitWhilePlaying();

  VoiceState State() const;
  std::int64_t PositionFrames() const;
  std::int64_t LengthFrames() const;
  int SampleRate() const { return rate_; }

  // Adds `frames` stereo frames of this voice to mix (interleaved left, right).
  void Mix(float* mix, std::size_t frames);

 private:
  // The frame at index as a stereo pair; false past the real end of the stream.
  bool FrameAt(std::int64_t index, float& left, float& right);
  void Refill();
  void SeekTo(std::int64_t frame);
  // Play reached `at`: start over when looping, else stop there.
  void Finish(std::int64_t at);

  const std::unique_ptr<AudioDecoder> decoder_;
  const int rate_;
  const int channels_;
  const int mix_rate_;

  mutable std::mutex mutex_;
  std::condition_variable stopped_;
  VoiceState state_ = VoiceState::kStopped;
  std::int64_t length_;
  std::int64_t position_ = 0;
  std::int64_t start_ = 0;
  std::int64_t end_ = 0;
  // Mix frames produced since start_; source index = start_ + produced_ * rate_ / mix_rate_.
  std::int64_t produced_ = 0;
  bool loop_ = false;

  // Decoded stereo frames [block_start_, block_start_ + block_frames_).
  std::vector<float> block_;
  std::int64_t block_start_ = 0;
  std::int64_t block_frames_ = 0;
  bool at_end_ = false;
  std::vector<float> decoded_;
};

}  // namespace corvane::platform
