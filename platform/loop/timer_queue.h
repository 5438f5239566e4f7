#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "os/event_loop.h"

namespace corvane::platform {

// The timers of one event loop, on a clock in nanoseconds that the loop supplies. Deadlines are
// absolute (start + k * interval), so a late tick does not shift the ones after it, and a timer
// that missed several expirations fires once and then waits for its next deadline.
class TimerQueue {
 public:
  // The timer resolution of Windows: 64 ticks a second.
  static constexpr std::int64_t kResolutionNs = 15'625'000;

  static std::int64_t EffectiveIntervalNs(std::uint32_t interval_ms);

  TimerId Add(std::int64_t now_ns, std::uint32_t interval_ms, std::function<void()> on_tick);
  void Remove(TimerId id);
  bool Empty() const { return timers_.empty(); }
  size_t Size() const { return timers_.size(); }
  std::optional<std::int64_t> NextDeadline() const;

  // Runs one tick of every timer due at now_ns, earliest deadline first. A callback may add or
  // remove timers, itself included; a timer removed before its turn does not fire, and one added
  // during this call waits for its first deadline. Returns the number of ticks delivered.
  int FireDue(std::int64_t now_ns);

 private:
  struct Timer {
    std::int64_t interval_ns;
    std::int64_t deadline_ns;
    std::function<void()> on_tick;
  };
  std::map<TimerId, Timer> timers_;
  TimerId next_id_ = 1;
};

}  // namespace corvane::platform
