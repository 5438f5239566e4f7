#include "platform/x11/event_loop.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <vector>

namespace corvane::platform::x11 {

X11EventLoop::X11EventLoop(X11Display& display, EndSignals& signals)
    : display_(display), signals_(signals) {}

std::int64_t X11EventLoop::NowNs() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t X11EventLoop::NowMs() const { return NowNs() / 1'000'000; }

TimerId X11EventLoop::StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) {
  return timers_.Add(NowNs(), interval_ms, std::move(on_tick));
}

void X11EventLoop::StopTimer(TimerId id) { timers_.Remove(id); }

void X11EventLoop::Post(std::function<void()> message) { posted_.push_back(std::move(message)); }

WatchId X11EventLoop::WatchFd(int fd, std::function<void()> on_ready) {
  return watches_.Add(fd, std::move(on_ready));
}

void X11EventLoop::StopWatch(WatchId id) { watches_.Remove(id); }

void X11EventLoop::WatchChild(int pid, std::function<void(int exit_status)> on_exit) {
  watches_.AddChild(pid, std::move(on_exit));
}

void X11EventLoop::Quit(int exit_code) {
  if (quitting_) return;
  quitting_ = true;
  exit_code_ = exit_code;
}

void X11EventLoop::SetEndRequestHandler(std::function<void()> handler) {
  end_handler_ = std::move(handler);
}

bool X11EventLoop::DispatchOne() {
  if (X11Display::ConnectionLost()) {
    Quit(1);
    return true;
  }
  if (signals_.TakePending()) {
    if (end_handler_) {
      end_handler_();
    } else {
      Quit(0);
    }
    return true;
  }
  Display* dpy = display_.dpy();
  if (XPending(dpy) > 0) {
    XEvent event;
    XNextEvent(dpy, &event);
    if (dispatch_) dispatch_(event);
    return true;
  }
  if (watches_.DispatchOne()) return true;
  if (!posted_.empty()) {
    auto message = std::move(posted_.front());
    posted_.pop_front();
    message();
    return true;
  }
  // Ticks come last: only when nothing else is waiting, as Windows' timers.
  return timers_.FireDue(NowNs()) > 0;
}

void X11EventLoop::Wait() {
  Display* dpy = display_.dpy();
  XFlush(dpy);
  if (XPending(dpy) > 0 || X11Display::ConnectionLost()) return;
  int timeout_ms = -1;
  if (const auto deadline = timers_.NextDeadline()) {
    const std::int64_t wait_ns = *deadline - NowNs();
    // Round up so that we wake at or after the deadline, never just before it.
    timeout_ms = wait_ns <= 0 ? 0 : static_cast<int>((wait_ns + 999'999) / 1'000'000);
  }
  if (const auto cap = watches_.MaxWaitMs(); cap && (timeout_ms < 0 || *cap < timeout_ms)) {
    timeout_ms = *cap;
  }
  std::vector<pollfd> fds = {{display_.ConnectionFd(), POLLIN, 0}};
  if (signals_.Fd() >= 0) fds.push_back({signals_.Fd(), POLLIN, 0});
  watches_.AppendPollFds(fds);
  while (poll(fds.data(), fds.size(), timeout_ms) < 0 && errno == EINTR) {
    if (signals_.Fd() >= 0) break;  // The pipe has the news; the loop will read it.
  }
}

bool X11EventLoop::RunUntil(const std::function<bool()>& done) {
  signals_.HandOverToLoop();
  while (!quitting_ && !done()) {
    if (!DispatchOne()) Wait();
  }
  if (X11Display::ConnectionLost() && exit_code_ == 0) exit_code_ = 1;
  return !quitting_;
}

}  // namespace corvane::platform::x11
