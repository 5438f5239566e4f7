#include "platform/posix/poll_watches.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace corvane::platform {

namespace {
// How often a child without a pidfd is asked whether it has ended.
constexpr int kChildPollMs = 50;

// The child's status if it has ended (reaping it), nullopt while it runs.
std::optional<int> TryReap(int pid) {
  int status = 0;
  const pid_t reaped = waitpid(pid, &status, WNOHANG);
  if (reaped == 0) return std::nullopt;
  return reaped == pid ? ExitStatusOf(status) : -1;
}
}  // namespace

int ExitStatusOf(int wait_status) {
  if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) return 128 + WTERMSIG(wait_status);
  return -1;
}

PollWatches::~PollWatches() {
  for (const int fd : pidfds_) close(fd);
}

WatchId PollWatches::Add(int fd, std::function<void()> on_ready) {
  const WatchId id = next_id_++;
  watches_[id] = Watch{fd, std::move(on_ready)};
  return id;
}

void PollWatches::Remove(WatchId id) { watches_.erase(id); }

void PollWatches::AddChild(int pid, std::function<void(int exit_status)> on_exit) {
  // The system call itself: the C library's wrapper is missing from older releases.
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (pidfd < 0) {
    polled_children_.push_back(PolledChild{pid, std::move(on_exit)});
    return;
  }
  pidfds_.push_back(pidfd);
  const WatchId id = next_id_;
  Add(pidfd, [this, id, pid, pidfd, on_exit = std::move(on_exit)] {
    const std::optional<int> status = TryReap(pid);
    if (!status) return;
    const auto done = on_exit;
    Remove(id);
    close(pidfd);
    std::erase(pidfds_, pidfd);
    done(*status);
  });
}

void PollWatches::AppendPollFds(std::vector<pollfd>& fds) const {
  for (const auto& [id, watch] : watches_) fds.push_back(pollfd{watch.fd, POLLIN, 0});
}

std::optional<int> PollWatches::MaxWaitMs() const {
  if (polled_children_.empty()) return std::nullopt;
  return kChildPollMs;
}

bool PollWatches::DispatchOne() {
  for (auto it = polled_children_.begin(); it != polled_children_.end(); ++it) {
    if (const std::optional<int> status = TryReap(it->pid)) {
      auto done = std::move(it->on_exit);
      polled_children_.erase(it);
      done(*status);
      return true;
    }
  }
  if (watches_.empty()) return false;
  std::vector<pollfd> fds;
  std::vector<WatchId> ids;
  for (const auto& [id, watch] : watches_) {
    fds.push_back(pollfd{watch.fd, POLLIN, 0});
    ids.push_back(id);
  }
  if (poll(fds.data(), fds.size(), 0) <= 0) return false;
  for (size_t i = 0; i < fds.size(); ++i) {
    if (fds[i].revents == 0) continue;
    const auto it = watches_.find(ids[i]);
    if (it == watches_.end()) continue;
    // A copy, so that the handler may stop its own watch.
    const std::function<void()> handler = it->second.on_ready;
    handler();
    return true;
  }
  return false;
}

}  // namespace corvane::platform
