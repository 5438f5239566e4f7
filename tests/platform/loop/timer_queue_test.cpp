#include "platform/loop/timer_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::platform {
namespace {

constexpr std::int64_t kMs = 1'000'000;

TEST(TimerQueue, IntervalsBelowTheResolutionAreRaisedLongerOnesKept) {
  struct Case {
    std::uint32_t ms;
    std::int64_t ns;
  };
  for (const Case& c :
       {Case{0, 15'625'000}, Case{1, 15'625'000}, Case{10, 15'625'000}, Case{15, 15'625'000},
        Case{16, 16 * kMs}, Case{100, 100 * kMs}, Case{1000, 1000 * kMs}}) {
    EXPECT_EQ(TimerQueue::EffectiveIntervalNs(c.ms), c.ns) << c.ms << " ms";
  }
}

TEST(TimerQueue, DeadlinesStayOnTheGridWhenATickIsLateAndMissedOnesCollapse) {
  TimerQueue queue;
  int ticks = 0;
  queue.Add(0, 100, [&] { ++ticks; });
  EXPECT_EQ(queue.FireDue(99 * kMs), 0);
  EXPECT_EQ(queue.FireDue(105 * kMs), 1);      // Five milliseconds late...
  EXPECT_EQ(queue.NextDeadline(), 200 * kMs);  // ...does not move the next deadline.
  // Eight expirations missed while the loop was busy: one tick, then back on the grid.
  EXPECT_EQ(queue.FireDue(1050 * kMs), 1);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(queue.NextDeadline(), 1100 * kMs);
}

TEST(TimerQueue, CallbacksMayStopOrRestartTimersIncludingTheirOwn) {
  TimerQueue queue;
  std::vector<char> log;
  TimerId b = 0;
  TimerId a = 0;
  a = queue.Add(0, 100, [&] {
    log.push_back('a');
    queue.Remove(a);  // Stops itself...
    queue.Remove(b);  // ...and a timer due at the same moment, whose tick must not come.
    a = queue.Add(100 * kMs, 50, [&] { log.push_back('A'); });  // Restarted with a new interval.
  });
  b = queue.Add(0, 100, [&] { log.push_back('b'); });
  EXPECT_EQ(queue.FireDue(100 * kMs), 1);
  EXPECT_EQ(queue.Size(), 1u);
  EXPECT_EQ(queue.NextDeadline(), 150 * kMs) << "a restarted timer counts from its restart";
  queue.FireDue(150 * kMs);
  EXPECT_EQ(log, (std::vector<char>{'a', 'A'}));
}

TEST(TimerQueue, ATimerAddedDuringATickWaitsForItsOwnDeadlineAndEarlierDeadlinesGoFirst) {
  TimerQueue queue;
  std::vector<int> order;
  queue.Add(0, 300, [&] { order.push_back(300); });
  queue.Add(0, 100, [&] {
    order.push_back(100);
    queue.Add(300 * kMs, 16, [&] { order.push_back(16); });
  });
  queue.FireDue(300 * kMs);
  EXPECT_EQ(order, (std::vector<int>{100, 300}));
}

}  // namespace
}  // namespace corvane::platform
