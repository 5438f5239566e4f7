#include "platform/forms/timer.h"

#include "platform/forms/form.h"
#include "tests/platform/forms/forms_fixture.h"

namespace corvane::platform {
namespace {

TEST_F(FormsTest, ATimerTicksOnlyWhileEnabledWithAnInterval) {
  Timer timer(nullptr, 0, true);
  int ticks = 0;
  timer.on_timer = [&] { ++ticks; };
  loop_.AdvanceMs(1000);
  EXPECT_EQ(ticks, 0) << "interval 0 never ticks";
  timer.SetInterval(1);
  loop_.AdvanceMs(2000);
  EXPECT_EQ(ticks, 128) << "1 ms is raised to 64 ticks a second";
  timer.SetEnabled(false);
  loop_.AdvanceMs(1000);
  EXPECT_EQ(ticks, 128);
}

TEST_F(FormsTest, ATickHandlerMayChangeItsOwnTimer) {
  Timer poll(nullptr, 200, true);
  int ticks = 0;
  poll.on_timer = [&] {
    ++ticks;
    if (ticks == 2) poll.SetInterval(1000);
    if (ticks == 3) poll.SetEnabled(false);  // Switches itself off for good.
  };
  loop_.AdvanceMs(400);
  EXPECT_EQ(ticks, 2);
  loop_.AdvanceMs(999);
  EXPECT_EQ(ticks, 2) << "the new interval counts from the change";
  loop_.AdvanceMs(1);
  EXPECT_EQ(ticks, 3);
  loop_.AdvanceMs(5000);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(loop_.TimerCount(), 0u);
}

TEST_F(FormsTest, UnloadingAFormStopsItsTimers) {
  Form keeper("keeper");
  keeper.Load();
  Form form("f");
  Timer timer(&form, 100, false);
  int ticks = 0;
  timer.on_timer = [&] { ++ticks; };
  form.on_load = [&] { timer.SetEnabled(true); };
  form.Load();
  loop_.AdvanceMs(300);
  form.Unload();
  loop_.AdvanceMs(300);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.Enabled());
  keeper.Unload();
}

}  // namespace
}  // namespace corvane::platform
