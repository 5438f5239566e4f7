#include "platform/x11/end_signals.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

namespace corvane::platform::x11 {
namespace {

// Each case runs in a child process of its own; a status of 3 or more says where it went on
// when it should not have.
TEST(EndSignalsDeathTest, EndTheProcessWithStatusZeroWhateverHoldsItUp) {
  for (const int signal : {SIGTERM, SIGINT}) {
    // Before the loop takes over: at once, start-up being left where it was.
    EXPECT_EXIT(
        {
          EndSignals signals;
          std::raise(signal);
          _exit(3);
        },
        ::testing::ExitedWithCode(0), "")
        << signal;
    // After: the loop hears of it, and a loop stuck elsewhere is not waited for.
    EXPECT_EXIT(
        {
          EndSignals signals;
          signals.HandOverToLoop();
          std::raise(signal);
          if (!signals.TakePending() || signals.TakePending()) _exit(3);
          sleep(5);
          _exit(4);
        },
        ::testing::ExitedWithCode(0), "")
        << signal;
  }
}

}  // namespace
}  // namespace corvane::platform::x11
