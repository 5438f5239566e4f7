#include "platform/fake/fake_event_loop.h"

#include <algorithm>
#include <utility>

namespace corvane::platform::fake {

TimerId FakeEventLoop::StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) {
  const TimerId id = timers_.Add(now_ns_, interval_ms, std::move(on_tick));
  intervals_[id] = interval_ms;
  if (journal_) journal_("start " + std::to_string(interval_ms));
  return id;
}

void FakeEventLoop::StopTimer(TimerId id) {
  if (journal_) journal_("stop " + std::to_string(intervals_[id]));
  timers_.Remove(id);
}

void FakeEventLoop::Post(std::function<void()> message) { posted_.push_back(std::move(message)); }

void FakeEventLoop::Quit(int exit_code) {
  if (quitting_) return;
  if (journal_) journal_("quit " + std::to_string(exit_code));
  quitting_ = true;
  exit_code_ = exit_code;
}

void FakeEventLoop::SetEndRequestHandler(std::function<void()> handler) {
  end_handler_ = std::move(handler);
}

void FakeEventLoop::RequestEnd() {
  Post([this] {
    if (end_handler_) {
      end_handler_();
    } else {
      Quit(0);
    }
  });
}

void FakeEventLoop::DrainPosted() {
  while (!posted_.empty() && !quitting_) {
    auto message = std::move(posted_.front());
    posted_.pop_front();
    message();
  }
}

void FakeEventLoop::AdvanceMs(std::int64_t ms) {
  const std::int64_t end = now_ns_ + ms * 1'000'000;
  DrainPosted();
  while (!quitting_) {
    const auto next = timers_.NextDeadline();
    if (!next || *next > end) break;
    now_ns_ = *next;
    timers_.FireDue(now_ns_);
    DrainPosted();
  }
  now_ns_ = end;
}

bool FakeEventLoop::RunUntil(const std::function<bool()>& done) {
  const std::int64_t limit = now_ns_ + kModalLimitMs * 1'000'000;
  while (!quitting_ && !done()) {
    if (!posted_.empty()) {
      auto message = std::move(posted_.front());
      posted_.pop_front();
      message();
      continue;
    }
    const auto next = timers_.NextDeadline();
    if (!next || *next > limit) return false;
    now_ns_ = std::max(now_ns_, *next);
    timers_.FireDue(now_ns_);
  }
  return !quitting_;
}

}  // namespace corvane::platform::fake
