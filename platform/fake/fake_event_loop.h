#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>

#include "os/event_loop.h"
#include "platform/loop/timer_queue.h"

namespace corvane::platform::fake {

// An event loop on a clock that moves only when a test says so (or when a modal loop has nothing
// else to do), so timer behaviour is checked tick by tick without waiting.
class FakeEventLoop final : public EventLoop {
 public:
  TimerId StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> message) override;
  // Runs posted messages; when none is left and done() is still false, jumps the clock to the
  // next timer deadline. Gives up (returns false) after kModalLimitMs of fake time, or when
  // nothing is queued at all, so a test never hangs.
  bool RunUntil(const std::function<bool()>& done) override;
  void Quit(int exit_code) override;
  bool Quitting() const override { return quitting_; }
  int ExitCode() const override { return exit_code_; }
  void SetEndRequestHandler(std::function<void()> handler) override;
  std::int64_t NowMs() const override { return now_ns_ / 1'000'000; }

  static constexpr std::int64_t kModalLimitMs = 600'000;

  // Moves the clock forward by ms, delivering posted messages and due ticks on the way.
  void AdvanceMs(std::int64_t ms);
  // Runs every posted message, including ones posted meanwhile.
  void DrainPosted();
  // What a SIGTERM would do.
  void RequestEnd();
  std::int64_t NowNs() const { return now_ns_; }
  size_t TimerCount() const { return timers_.Size(); }
  // Told "start <ms>", "stop <ms>" and "quit <code>" as they happen, so that a test can see them
  // in order with what other fakes report.
  void SetJournal(std::function<void(std::string)> journal) { journal_ = std::move(journal); }

 private:
  TimerQueue timers_;
  std::map<TimerId, std::uint32_t> intervals_;
  std::function<void(std::string)> journal_;
  std::deque<std::function<void()>> posted_;
  std::function<void()> end_handler_;
  std::int64_t now_ns_ = 0;
  bool quitting_ = false;
  int exit_code_ = 0;
};

}  // namespace corvane::platform::fake
