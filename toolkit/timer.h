#pragma once

#include <cstdint>
#include <functional>

#include "os/event_loop.h"

namespace corvane::platform {

class Form;

// A timer control: while enabled with a nonzero interval, on_timer runs every Interval
// milliseconds on the user-interface thread (never below the platform's 15.625 ms). Changing
// the interval restarts the count; both properties may change inside on_timer.
class Timer {
 public:
  // A timer of a form stops when the form unloads.
  explicit Timer(Form* owner = nullptr, std::uint32_t interval_ms = 0, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetInterval(std::uint32_t interval_ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> on_timer;

 private:
  friend class Form;
  void Restart();

  Form* owner_;
  std::uint32_t interval_ms_;
  bool enabled_;
  TimerId id_ = 0;
};

}  // namespace corvane::platform
