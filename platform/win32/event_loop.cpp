#include "platform/win32/event_loop.h"

// clang-format off
#include <windows.h>
#include <timeapi.h>  // Needs the types <windows.h> declares.
// clang-format on

namespace corvane::platform::win32 {

Win32EventLoop::Win32EventLoop(ConsoleEndRequests& console) : console_(console) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  if (frequency.QuadPart > 0) counts_per_second_ = frequency.QuadPart;
  // Waits end on the system's clock tick, 15.6 ms apart by default: a wait for a deadline 15 ms
  // away would often end 31 ms later, and a 64-a-second timer would lose every other tick.
  timeBeginPeriod(1);
}

Win32EventLoop::~Win32EventLoop() { timeEndPeriod(1); }

std::int64_t Win32EventLoop::NowNs() const {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  // In two parts, so that the product cannot overflow however long the system has been up.
  const long long seconds = counter.QuadPart / counts_per_second_;
  const long long rest = counter.QuadPart % counts_per_second_;
  return seconds * 1'000'000'000 + rest * 1'000'000'000 / counts_per_second_;
}

std::int64_t Win32EventLoop::NowMs() const { return NowNs() / 1'000'000; }

TimerId Win32EventLoop::StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) {
  return timers_.Add(NowNs(), interval_ms, std::move(on_tick));
}

void Win32EventLoop::StopTimer(TimerId id) { timers_.Remove(id); }

void Win32EventLoop::Post(std::function<void()> message) { posted_.push_back(std::move(message)); }

void Win32EventLoop::Quit(int exit_code) {
  if (quitting_) return;
  quitting_ = true;
  exit_code_ = exit_code;
}

void Win32EventLoop::SetEndRequestHandler(std::function<void()> handler) {
  end_handler_ = std::move(handler);
}

bool Win32EventLoop::DispatchOne() {
  if (console_.TakePending() || end_requested_) {
    end_requested_ = false;
    if (end_handler_) {
      end_handler_();
    } else {
      Quit(0);
    }
    return true;
  }
  MSG message{};
  // Peeking also delivers the messages other threads sent to this thread's windows. The system
  // hands out its own low-priority messages (WM_PAINT, WM_TIMER) only when nothing else waits.
  if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      Quit(static_cast<int>(message.wParam));
    } else {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return true;
  }
  if (!posted_.empty()) {
    auto posted = std::move(posted_.front());
    posted_.pop_front();
    posted();
    return true;
  }
  // Ticks come last: only when nothing else is waiting, as Windows' timers.
  return timers_.FireDue(NowNs()) > 0;
}

void Win32EventLoop::Wait() {
  DWORD timeout_ms = INFINITE;
  if (const auto deadline = timers_.NextDeadline()) {
    const std::int64_t wait_ns = *deadline - NowNs();
    // Round up so that we wake at or after the deadline, never just before it.
    timeout_ms = wait_ns <= 0 ? 0 : static_cast<DWORD>((wait_ns + 999'999) / 1'000'000);
  }
  HANDLE console = console_.Event();
  // MWMO_INPUTAVAILABLE also wakes for messages that are already in the queue but were seen by
  // an earlier peek, which a plain wait would sleep through.
  MsgWaitForMultipleObjectsEx(console != nullptr ? 1 : 0, &console, timeout_ms, QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

bool Win32EventLoop::RunUntil(const std::function<bool()>& done) {
  console_.HandOverToLoop();
  while (!quitting_ && !done()) {
    if (!DispatchOne()) Wait();
  }
  return !quitting_;
}

}  // namespace corvane::platform::win32
