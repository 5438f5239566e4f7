#pragma once

#include <X11/Xlib.h>

#include <deque>
#include <functional>

#include "platform/loop/timer_queue.h"
#include "platform/posix/poll_watches.h"
#include "platform/posix/posix_event_loop.h"
#include "platform/x11/display.h"
#include "platform/x11/end_signals.h"

namespace corvane::platform::x11 {

// The event loop over the X connection: X events first, then watched descriptors and children,
// then posted messages, then timer ticks, waiting in poll() on the connection, the end-signal
// pipe and the watched descriptors until the next timer deadline.
class X11EventLoop final : public PosixEventLoop {
 public:
  // signals must outlive the loop.
  X11EventLoop(X11Display& display, EndSignals& signals);

  // Where X events go; set once the window service exists.
  void SetDispatcher(std::function<void(XEvent&)> dispatch) { dispatch_ = std::move(dispatch); }

  TimerId StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> message) override;
  WatchId WatchFd(int fd, std::function<void()> on_ready) override;
  void StopWatch(WatchId id) override;
  void WatchChild(int pid, std::function<void(int exit_status)> on_exit) override;
  bool RunUntil(const std::function<bool()>& done) override;
  void Quit(int exit_code) override;
  bool Quitting() const override { return quitting_; }
  int ExitCode() const override { return exit_code_; }
  void SetEndRequestHandler(std::function<void()> handler) override;
  std::int64_t NowMs() const override;

 private:
  // Handles one thing that is ready; false when nothing was.
  bool DispatchOne();
  void Wait();
  std::int64_t NowNs() const;

  X11Display& display_;
  EndSignals& signals_;
  TimerQueue timers_;
  PollWatches watches_;
  std::deque<std::function<void()>> posted_;
  std::function<void(XEvent&)> dispatch_;
  std::function<void()> end_handler_;
  bool quitting_ = false;
  int exit_code_ = 0;
};

}  // namespace corvane::platform::x11
