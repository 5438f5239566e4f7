#include "toolkit/timer.h"

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"

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
