#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "os/audio_decoder.h"

namespace corvane::platform {

enum class VoiceState { kStopped, kPlaying, kPaused };

// The answer a device gives to "status <alias> mode" for a voice in this state.
const char* ModeName(VoiceState state);

// One sound being played into the mix: its decoder, the range being played and the position.
// Controls come from the user-interface thread; the mixer thread calls Mix. Positions are frames
// of the file's own rate; the voice resamples to the mix rate as it goes.
//
// Only the mixer thread touches the decoder, and never while holding the lock the controls take:
// a decoder may block for seconds (a CD drive retrying a scratched sector), and the
// user-interface thread must not wait for it. A control posts a request that the next Mix
// carries out; the state and the position are published by the mixer after each Mix, so reading
// them never waits.
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

  VoiceState State() const { return state_.load(); }
  std::int64_t PositionFrames() const { return position_.load(); }
  // The exact length once known, else the decoder's estimate.
  std::int64_t LengthFrames() const;
  bool LengthKnown() const;
  int SampleRate() const { return rate_; }

  // Adds `frames` stereo frames of this voice to mix (interleaved left, right).
  void Mix(float* mix, std::size_t frames);

 private:
  struct Request {
    std::int64_t from = 0;
    std::int64_t end = 0;
    bool loop = false;
  };

  // Where play of a range ending at `to` stops: at the length when it is known, else only where
  // the stream itself ends.
  std::int64_t EndOfRange(std::optional<std::int64_t> to) const;
  // The frame at index as a stereo pair; false past the real end of the stream.
  bool FrameAt(std::int64_t index, float& left, float& right);
  void Refill();
  void SeekTo(std::int64_t frame);
  // Play reached the end of its range: true when it starts over (looping), false when it stops.
  bool Restart();
  std::int64_t Position() const { return start_ + produced_ * rate_ / mix_rate_; }

  const std::unique_ptr<AudioDecoder> decoder_;
  const int rate_;
  const int channels_;
  const int mix_rate_;

  // Guards the request and every change of state; never held while the decoder works.
  mutable std::mutex mutex_;
  std::condition_variable stopped_;
  Request request_;
  std::uint64_t generation_ = 0;
  std::atomic<VoiceState> state_ = VoiceState::kStopped;
  std::atomic<std::int64_t> position_ = 0;
  // Where the stream really ended when that came before its measured length; -1 until then.
  std::atomic<std::int64_t> real_end_ = -1;

  // The mixer thread's own: the request being carried out, and the decoded frames.
  std::uint64_t applied_ = 0;
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
  bool seek_failed_ = false;
  std::vector<float> decoded_;
};

}  // namespace corvane::platform
