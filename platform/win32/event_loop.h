#pragma once

#include <deque>
#include <functional>

#include "os/event_loop.h"
#include "platform/loop/timer_queue.h"
#include "platform/win32/console_end.h"

namespace corvane::platform::win32 {

// The event loop of the user-interface thread: end requests first, then the thread's window
// messages (translated and dispatched to their window procedures), then posted messages, then
// timer ticks, waiting in MsgWaitForMultipleObjectsEx on the message queue and the console's end
// requests until the next timer deadline. The timers are the loop's own, on the performance
// counter, not the system's: those tick at whatever rate the system picks (10 ms under Wine),
// and the program's animation is paced by Windows' 64 ticks a second.
class Win32EventLoop final : public EventLoop {
 public:
  // console must outlive the loop.
  explicit Win32EventLoop(ConsoleEndRequests& console);
  ~Win32EventLoop() override;
  Win32EventLoop(const Win32EventLoop&) = delete;
  Win32EventLoop& operator=(const Win32EventLoop&) = delete;

  TimerId StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) override;
  void StopTimer(TimerId id) override;
  void Post(std::function<void()> message) override;
  // A WM_QUIT in the thread's queue (PostQuitMessage) quits with its exit code.
  bool RunUntil(const std::function<bool()>& done) override;
  void Quit(int exit_code) override;
  bool Quitting() const override { return quitting_; }
  int ExitCode() const override { return exit_code_; }
  void SetEndRequestHandler(std::function<void()> handler) override;
  std::int64_t NowMs() const override;

  // The system's request to end the program (WM_ENDSESSION, or WM_CLOSE of the main window),
  // which the window service hears in a window procedure. The handler runs on the loop once that
  // procedure has returned, never inside it.
  void RequestEnd() { end_requested_ = true; }

 private:
  // Handles one thing that is ready; false when nothing was.
  bool DispatchOne();
  void Wait();
  std::int64_t NowNs() const;

  ConsoleEndRequests& console_;
  long long counts_per_second_ = 1;
  TimerQueue timers_;
  std::deque<std::function<void()>> posted_;
  std::function<void()> end_handler_;
  bool end_requested_ = false;
  bool quitting_ = false;
  int exit_code_ = 0;
};

}  // namespace corvane::platform::win32
