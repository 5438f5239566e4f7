#include "platform/posix/poll_watches.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <vector>

namespace corvane::platform {
namespace {

// Waits as the event loop does and dispatches until done() or five seconds have passed.
bool ServeUntil(PollWatches& watches, const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done() && std::chrono::steady_clock::now() < end) {
    if (watches.DispatchOne()) continue;
    std::vector<pollfd> fds;
    watches.AppendPollFds(fds);
    poll(fds.data(), fds.size(), watches.MaxWaitMs().value_or(100));
  }
  return done();
}

TEST(PollWatches, OnlyAReadableWatchedDescriptorRunsItsHandlerWhichMayStopItself) {
  int quiet[2], busy[2];
  ASSERT_EQ(pipe(quiet), 0);
  ASSERT_EQ(pipe(busy), 0);
  PollWatches watches;
  int quiet_calls = 0, busy_calls = 0;
  watches.Add(quiet[0], [&] { ++quiet_calls; });
  WatchId busy_id = 0;
  busy_id = watches.Add(busy[0], [&] {
    ++busy_calls;
    watches.Remove(busy_id);
  });
  EXPECT_FALSE(watches.DispatchOne());
  ASSERT_EQ(write(busy[1], "x", 1), 1);
  EXPECT_TRUE(watches.DispatchOne());
  // The byte is still unread, but the watch is gone.
  EXPECT_FALSE(watches.DispatchOne());
  EXPECT_EQ(busy_calls, 1);
  EXPECT_EQ(quiet_calls, 0);
  for (const int fd : {quiet[0], quiet[1], busy[0], busy[1]}) close(fd);
}

TEST(PollWatches, AnEndedChildIsReapedAndReportedOnceWithItsStatus) {
  struct Case {
    int exit_code;  // -1: ended by SIGKILL instead.
    int expected;
  };
  for (const Case& c : {Case{0, 0}, Case{3, 3}, Case{-1, 128 + SIGKILL}}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (c.exit_code < 0) pause();
      _exit(c.exit_code);
    }
    if (c.exit_code < 0) kill(pid, SIGKILL);
    PollWatches watches;
    std::vector<int> statuses;
    watches.AddChild(pid, [&](int status) { statuses.push_back(status); });
    ASSERT_TRUE(ServeUntil(watches, [&] { return !statuses.empty(); })) << c.exit_code;
    EXPECT_EQ(statuses, std::vector<int>{c.expected});
    EXPECT_FALSE(watches.DispatchOne());
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1) << "not reaped";
    EXPECT_EQ(errno, ECHILD);
  }
}

}  // namespace
}  // namespace corvane::platform
