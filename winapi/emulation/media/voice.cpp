#include "winapi/emulation/media/voice.h"

#include <algorithm>
#include <limits>

namespace corvane::platform {

namespace {

// Frames decoded at a time: large enough to keep decoder calls rare, small enough that a seek
// throws little work away.
constexpr std::size_t kBlockFrames = 2048;
constexpr std::int64_t kNoEnd = std::numeric_limits<std::int64_t>::max();

}  // namespace

Voice::Voice(std::unique_ptr<AudioDecoder> decoder, int mix_rate)
    : decoder_(std::move(decoder)),
      rate_(decoder_->SampleRate()),
      channels_(decoder_->Channels()),
      mix_rate_(mix_rate) {}

std::int64_t Voice::LengthFrames() const {
  const std::int64_t real_end = real_end_.load();
  const std::int64_t measured = decoder_->LengthFrames();
  if (real_end < 0) return measured;
  return decoder_->LengthKnown() ? std::min(measured, real_end) : real_end;
}

bool Voice::LengthKnown() const { return decoder_->LengthKnown() || real_end_.load() >= 0; }

std::int64_t Voice::EndOfRange(std::optional<std::int64_t> to) const {
  if (!LengthKnown()) return to.value_or(kNoEnd);
  const std::int64_t length = LengthFrames();
  return std::min(to.value_or(length), length);
}

void Voice::Play(std::int64_t from, std::optional<std::int64_t> to, bool loop) {
  std::lock_guard lock(mutex_);
  ++generation_;
  request_ = {from, EndOfRange(to), loop};
  position_ = from;
  if (from >= request_.end) {
    state_ = VoiceState::kStopped;
    stopped_.notify_all();
    return;
  }
  state_ = VoiceState::kPlaying;
}

void Voice::Stop() {
  std::lock_guard lock(mutex_);
  state_ = VoiceState::kStopped;
  stopped_.notify_all();
}

void Voice::Pause() {
  std::lock_guard lock(mutex_);
  if (state_ == VoiceState::kPlaying) state_ = VoiceState::kPaused;
}

void Voice::Resume() {
  std::lock_guard lock(mutex_);
  if (state_ == VoiceState::kPaused) state_ = VoiceState::kPlaying;
}

void Voice::WaitWhilePlaying() {
  std::unique_lock lock(mutex_);
  stopped_.wait(lock, [this] { return state_ != VoiceState::kPlaying; });
}

void Voice::Mix(float* mix, std::size_t frames) {
  std::uint64_t generation = 0;
  Request request;
  {
    std::lock_guard lock(mutex_);
    if (state_ != VoiceState::kPlaying) return;
    generation = generation_;
    request = request_;
  }
  if (generation != applied_) {
    applied_ = generation;
    start_ = request.from;
    end_ = request.end;
    loop_ = request.loop;
    produced_ = 0;
    SeekTo(start_);
  }

  bool finished = false;
  std::int64_t finished_at = 0;
  for (std::size_t i = 0; i < frames && !finished;) {
    // Exact rational stepping: no drift however long the file plays. SDL2's audio stream, whose
    // filter is finer, was measured against this (bench/media/resampler_bench.cpp): fed the
    // decoder's blocks, it drops a fraction of a frame at every block between rates such as 48000
    // and 44100, which clicks and raises the pitch, and it loses the end of the file.
    const std::int64_t scaled = produced_ * rate_;
    const std::int64_t index = start_ + scaled / mix_rate_;
    const std::int64_t remainder = scaled % mix_rate_;
    if (index >= end_) {
      finished_at = end_;
      finished = !Restart();
      continue;
    }
    float left = 0;
    float right = 0;
    if (!FrameAt(index, left, right)) {
      finished_at = index;
      if (!seek_failed_) {
        // The stream ended before the length measured at open (a damaged or truncated file), or
        // where a length not yet measured really is: its real end is the length from now on.
        finished_at = block_start_ + block_frames_;
        real_end_ = finished_at;
        end_ = std::min(end_, finished_at);
      }
      finished = !Restart();
      continue;
    }
    float next_left = 0;
    float next_right = 0;
    if (remainder != 0 && index + 1 < end_ && FrameAt(index + 1, next_left, next_right)) {
      const float t = static_cast<float>(remainder) / static_cast<float>(mix_rate_);
      left += (next_left - left) * t;
      right += (next_right - right) * t;
    }
    mix[2 * i] += left;
    mix[2 * i + 1] += right;
    ++produced_;
    ++i;
  }

  std::lock_guard lock(mutex_);
  // A control that came while this ran wins over what the mix found.
  if (generation != generation_ || state_ == VoiceState::kStopped) return;
  if (finished) {
    position_ = finished_at;
    state_ = VoiceState::kStopped;
    stopped_.notify_all();
  } else {
    position_ = Position();
  }
}

bool Voice::Restart() {
  // A loop that produced nothing since its last start would spin forever on an empty stream.
  if (!loop_ || produced_ == 0) return false;
  start_ = 0;
  produced_ = 0;
  end_ = EndOfRange(std::nullopt);
  SeekTo(0);
  return true;
}

void Voice::SeekTo(std::int64_t frame) {
  seek_failed_ = !decoder_->Seek(frame);
  at_end_ = seek_failed_;
  block_start_ = frame;
  block_frames_ = 0;
}

bool Voice::FrameAt(std::int64_t index, float& left, float& right) {
  while (index >= block_start_ + block_frames_ && !at_end_) Refill();
  if (index < block_start_ || index >= block_start_ + block_frames_) return false;
  const std::size_t offset = static_cast<std::size_t>(index - block_start_) * 2;
  left = block_[offset];
  right = block_[offset + 1];
  return true;
}

void Voice::Refill() {
  // The last frame stays at the front of the new block, so interpolation can look one frame
  // back across the block boundary.
  const std::int64_t keep = block_frames_ > 0 ? 1 : 0;
  if (keep != 0) {
    const std::size_t last = static_cast<std::size_t>(block_frames_ - 1) * 2;
    block_[0] = block_[last];
    block_[1] = block_[last + 1];
    block_start_ += block_frames_ - 1;
  }
  block_.resize(static_cast<std::size_t>(keep) * 2 + kBlockFrames * 2);
  decoded_.resize(kBlockFrames * static_cast<std::size_t>(channels_));
  const std::size_t read = decoder_->Read(decoded_.data(), kBlockFrames);
  if (read == 0) at_end_ = true;
  const std::size_t stride = static_cast<std::size_t>(channels_);
  for (std::size_t f = 0; f < read; ++f) {
    // Mono goes to both sides; from wider layouts the front pair is kept.
    const float left = decoded_[f * stride];
    const float right = channels_ > 1 ? decoded_[f * stride + 1] : left;
    block_[(static_cast<std::size_t>(keep) + f) * 2] = left;
    block_[(static_cast<std::size_t>(keep) + f) * 2 + 1] = right;
  }
  block_frames_ = keep + static_cast<std::int64_t>(read);
}

const char* ModeName(VoiceState state) {
  switch (state) {
    case VoiceState::kPlaying:
      return "playing";
    case VoiceState::kPaused:
      return "paused";
    case VoiceState::kStopped:
      break;
  }
  return "stopped";
}

}  // namespace corvane::platform
