#pragma once

#include <poll.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// The file-descriptor and child-process watches of a poll()-based event loop. A child is watched
// through a pidfd, which becomes readable when the child ends; on a kernel without pidfds its exit
// is polled, and the loop must then wake at least every MaxWaitMs().
class PollWatches {
 public:
  PollWatches() = default;
  ~PollWatches();
  PollWatches(const PollWatches&) = delete;
  PollWatches& operator=(const PollWatches&) = delete;

  WatchId Add(int fd, std::function<void()> on_ready);
  void Remove(WatchId id);
  void AddChild(int pid, std::function<void(int exit_status)> on_exit);

  // One entry per watched descriptor, for the loop's blocking poll().
  void AppendPollFds(std::vector<pollfd>& fds) const;
  std::optional<int> MaxWaitMs() const;
  // Runs the handler of one ready watch; false when none was ready.
  bool DispatchOne();

 private:
  struct Watch {
    int fd;
    std::function<void()> on_ready;
  };
  struct PolledChild {
    int pid;
    std::function<void(int)> on_exit;
  };

  std::map<WatchId, Watch> watches_;
  std::vector<PolledChild> polled_children_;
  std::vector<int> pidfds_;  // Owned: closed when their child is reaped, or at the end.
  WatchId next_id_ = 1;
};

// The exit status the loop reports for a waitpid() status.
int ExitStatusOf(int wait_status);

}  // namespace corvane::platform
