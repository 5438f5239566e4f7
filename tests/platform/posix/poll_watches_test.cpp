#include "platform/posix/poll_watches.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace corvane::platform {
namespace {

TEST(PollWatches, OnlyAReadableWatchedDescriptorRunsItsHandlerWhichMayStopItself) {
  int quiet[2], busy[2];
  ASSERT_EQ(pipe(quiet), 0);
  ASSERT_EQ(pipe(busy), 0);
  PollWatches watches;
  int quiet_calls = 0, busy_calls = 0;
  watches.Add(quiet[0], [&] { ++quiet_calls; });
  WatchId busy_id = 0;
  busy_id = watches.Add(busy[0], [&] { ++busy_calls, watches.Remove(busy_id); });
  EXPECT_FALSE(watches.DispatchOne());
  ASSERT_EQ(write(busy[1], "x", 1), 1);
  EXPECT_TRUE(watches.DispatchOne());
  EXPECT_FALSE(watches.DispatchOne()) << "the byte is still unread, but the watch is gone";
  EXPECT_EQ(busy_calls, 1);
  EXPECT_EQ(quiet_calls, 0);
  for (const int fd : {quiet[0], quiet[1], busy[0], busy[1]}) close(fd);
}

TEST(PollWatches, AnEndedChildIsReapedAndReportedOnceWithItsStatus) {
  // An exit code of -1 stands for a child ended by SIGKILL.
  for (const auto& [exit_code, expected] : {std::pair{3, 3}, std::pair{-1, 128 + SIGKILL}}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (exit_code < 0) pause();
      _exit(exit_code);
    }
    if (exit_code < 0) kill(pid, SIGKILL);
    PollWatches watches;
    std::vector<int> statuses;
    watches.AddChild(pid, [&](int status) { statuses.push_back(status); });
    // Waits as the event loop does, for some seconds at most.
    for (int waits = 0; waits < 200 && statuses.empty(); ++waits) {
      if (watches.DispatchOne()) continue;
      std::vector<pollfd> fds;
      watches.AppendPollFds(fds);
      poll(fds.data(), fds.size(), watches.MaxWaitMs().value_or(100));
    }
    EXPECT_EQ(statuses, std::vector<int>{expected});
    EXPECT_FALSE(watches.DispatchOne());
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1) << "not reaped";
    EXPECT_EQ(errno, ECHILD);
  }
}

}  // namespace
}  // namespace corvane::platform
