#include "toolkit/timer.h"

#include "os/service.h"
#include "toolkit/form.h"

namespace corvane::platform {

Timer::Timer(Form* owner, std::uint32_t interval_ms, bool enabled)
    : owner_(owner), interval_ms_(interval_ms), enabled_(enabled) {
  if (owner_ != nullptr) owner_->AddTimer(this);
  Restart();
}

Timer::~Timer() {
  if (id_ != 0) Service<EventLoop>::Get().StopTimer(id_);
  if (owner_ != nullptr) owner_->RemoveTimer(this);
}

void Timer::SetInterval(std::uint32_t interval_ms) {
  interval_ms_ = interval_ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  EventLoop& loop = Service<EventLoop>::Get();
  if (id_ != 0) loop.StopTimer(id_);
  id_ = 0;
  if (!enabled_ || interval_ms_ == 0) return;
  id_ = loop.StartTimer(interval_ms_, [this] {
    if (on_timer) on_timer();
  });
}

}  // namespace corvane::platform
