#pragma once

#include <cstdint>
#include <functional>

namespace corvane::platform {

using TimerId = std::uint32_t;

// The one user-interface thread's loop: window events, timers and posted messages (and on some
// systems the backends' own sources, such as other processes' output), dispatched one at a time,
// so a handler is never interrupted by another. Modal waits (a file chooser) nest a level of it,
// so windows keep repainting and timers keep ticking meanwhile. Timers are the lowest priority: a
// tick is delivered only when nothing else is waiting, and missed expirations collapse into one
// tick.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  static constexpr const char* kServiceName = "event loop";

  // Starts a repeating timer. Intervals below the timer resolution (15.625 ms, 64 ticks a second)
  // are raised to it. Starting and stopping timers is allowed inside any handler, a tick included.
  virtual TimerId StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) = 0;
  virtual void StopTimer(TimerId id) = 0;

  // Queues a message to run on this thread after the handler that posted it has returned.
  virtual void Post(std::function<void()> message) = 0;

  // Dispatches until done() is true or the program is ending. Nested calls run modal loops.
  // Returns false when it stopped because the program is ending.
  virtual bool RunUntil(const std::function<bool()>& done) = 0;

  // Ends every running loop level; the outermost caller exits the process with exit_code.
  virtual void Quit(int exit_code) = 0;
  virtual bool Quitting() const = 0;
  virtual int ExitCode() const = 0;

  // Runs on the loop, never inside a signal handler, when the process is asked to end (by a
  // signal, or by the system's end-of-session or close request). Without one, the loop quits with
  // status 0.
  virtual void SetEndRequestHandler(std::function<void()> handler) = 0;

  // Milliseconds on a monotonic clock (a fake one in tests).
  virtual std::int64_t NowMs() const = 0;

  // The program lives while it has a loaded form: forms report their loading and unloading here,
  // and the loop quits with status 0 when the last one unloads. Kept by the loop, not by the forms,
  // so that each loop (each test's fake) starts with none.
  void FormLoaded() { ++loaded_forms_; }
  void FormUnloaded() {
    if (--loaded_forms_ == 0) Quit(0);
  }
  int LoadedForms() const { return loaded_forms_; }

 private:
  int loaded_forms_ = 0;
};

}  // namespace corvane::platform
