#pragma once

#include <cstdint>
#include <functional>

#include "os/event_loop.h"

namespace corvane::platform {

using WatchId = std::uint32_t;

// An event loop that also waits for file descriptors and child processes, for the backends that
// talk to other programs (the file choosers, the opener of web addresses).
class PosixEventLoop : public EventLoop {
 public:
  // Calls on_ready on this thread while fd has data to read or its other end has closed. The
  // handler must read what is there or stop the watch; otherwise it is called again at once.
  virtual WatchId WatchFd(int fd, std::function<void()> on_ready) = 0;
  virtual void StopWatch(WatchId id) = 0;
  // Reaps a child process of this program when it ends and then calls on_exit once on this
  // thread with its exit status (128 + the signal number when a signal ended it, -1 when the
  // status could not be had).
  virtual void WatchChild(int pid, std::function<void(int exit_status)> on_exit) = 0;
};

}  // namespace corvane::platform
