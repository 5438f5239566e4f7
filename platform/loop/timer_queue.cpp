#include "platform/loop/timer_queue.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvane::platform {

std::int64_t TimerQueue::EffectiveIntervalNs(std::uint32_t interval_ms) {
  return std::max<std::int64_t>(std::int64_t{interval_ms} * 1'000'000, kResolutionNs);
}

TimerId TimerQueue::Add(std::int64_t now_ns, std::uint32_t interval_ms,
                        std::function<void()> on_tick) {
  const TimerId id = next_id_++;
  const std::int64_t interval = EffectiveIntervalNs(interval_ms);
  timers_.emplace(id, Timer{interval, now_ns + interval, std::move(on_tick)});
  return id;
}

void TimerQueue::Remove(TimerId id) { timers_.erase(id); }

std::optional<std::int64_t> TimerQueue::NextDeadline() const {
  std::optional<std::int64_t> next;
  for (const auto& [id, timer] : timers_) {
    if (!next || timer.deadline_ns < *next) next = timer.deadline_ns;
  }
  return next;
}

int TimerQueue::FireDue(std::int64_t now_ns) {
  std::vector<std::pair<std::int64_t, TimerId>> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.deadline_ns <= now_ns) due.emplace_back(timer.deadline_ns, id);
  }
  std::sort(due.begin(), due.end());
  int fired = 0;
  for (const auto& [deadline, id] : due) {
    auto it = timers_.find(id);
    if (it == timers_.end()) continue;
    Timer& timer = it->second;
    // Skip every expiration up to now before the callback runs, so that a callback which
    // changes its own timer (a new id) is not overwritten afterwards.
    const std::int64_t missed = (now_ns - timer.deadline_ns) / timer.interval_ns;
    timer.deadline_ns += (missed + 1) * timer.interval_ns;
    // The callback may remove this timer, which destroys the function while it runs: call a copy.
    const std::function<void()> on_tick = timer.on_tick;
    on_tick();
    ++fired;
  }
  return fired;
}

}  // namespace corvane::platform
