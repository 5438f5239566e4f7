#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/corvane_s.h"
#include "tests/display/display_fixture.h"

namespace corvane::display_test {
namespace {

constexpr gfx::Pixel kInverse = 0x00FFFFFF;

// What the screen must show after a tick that drew the strip at left: the capture, inverted by
// the stand-in effect where the strip lies.
::testing::AssertionResult ShowsStripAt(const gfx::Surface& shown, int left, int strip_width,
                                        bool capture_failed = false) {
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const gfx::Pixel capture = capture_failed ? 0 : Pattern(x, y);
      const bool in_strip = x >= left && x < left + strip_width;
      const gfx::Pixel expected = in_strip ? capture ^ kInverse : capture;
      if (shown.Row(y)[x] != expected) {
        return ::testing::AssertionFailure()
               << "strip at " << left << ": pixel (" << x << ", " << y << ") is " << std::hex
               << shown.Row(y)[x] << ", expected " << expected;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

struct Sweep {
  double dpi;
  int width;
  int strip_width;
  int start;
  int leftmost;
  int rightmost;
};

class StripSweep : public DisplayTest, public ::testing::WithParamInterface<Sweep> {};

// Two round trips, tick by tick: every frame on the screen, the positions, the turns, the phase
// (past its wrap from 255 to 0) and the metal handed to the effect.
TEST_P(StripSweep, EveryFrameIsTheCaptureWithTheProcessedStripAtItsPlace) {
  const Sweep& sweep = GetParam();
  SetScreen(sweep.width, 2, sweep.dpi);
  Corvane_S& form = Load();
  ASSERT_EQ(form.Master(1).Image().width(), sweep.strip_width);
  ASSERT_EQ(form.StripLeft, sweep.start);

  std::vector<int> drawn;
  std::vector<int> turns;
  std::vector<std::size_t> leg;  // How many turns came before each frame.
  const int ticks = 2 * (sweep.rightmost - sweep.leftmost) + 4;
  for (int tick = 0; tick < ticks; ++tick) {
    const int left = form.StripLeft;
    const auto forward = form.StripForward;
    leg.push_back(turns.size());
    form.Timer3_Timer();
    drawn.push_back(left);
    ASSERT_TRUE(ShowsStripAt(Shown(), left, sweep.strip_width)) << "tick " << tick;
    if (form.StripForward != forward) turns.push_back(form.StripLeft);
  }
  EXPECT_TRUE(ShowsStripAt(form.Display.Image(), drawn.back(), sweep.strip_width));

  EXPECT_EQ(drawn.front(), sweep.start);
  for (std::size_t i = 1; i < drawn.size(); ++i) ASSERT_EQ(std::abs(drawn[i] - drawn[i - 1]), 2);
  EXPECT_EQ(*std::min_element(drawn.begin(), drawn.end()), sweep.leftmost);
  EXPECT_EQ(*std::max_element(drawn.begin(), drawn.end()), sweep.rightmost);
  // The frame after a turn is drawn at the position past the bound, where the turn was made.
  EXPECT_EQ(turns,
            (std::vector<int>{sweep.rightmost, sweep.leftmost, sweep.rightmost, sweep.leftmost}));

  // A fresh seed from the clock at load and at each turn; the metal changes with each leg.
  EXPECT_EQ(random_.seeds, std::vector<std::int32_t>(1 + turns.size(), clock_.seconds));
  const auto& calls = EffectCalls();
  ASSERT_EQ(calls.size(), drawn.size());
  for (std::size_t i = 0; i < calls.size(); ++i) {
    ASSERT_EQ(calls[i].phase, static_cast<std::int32_t>((i + 1) % 256)) << i;
    // The scripted numbers 0.1, 0.5 and 0.9 give the metals 1, 2 and 3 in turn.
    ASSERT_EQ(calls[i].variant, static_cast<std::int32_t>(leg[i] % 3 + 1)) << i;
    ASSERT_EQ(calls[i].relief, 4);
    ASSERT_EQ(calls[i].destination, form.Master(1).hDC());
    ASSERT_EQ(calls[i].source, form.Master(2).hDC());
  }
}

INSTANTIATE_TEST_SUITE_P(
    AtSeveralResolutions, StripSweep,
    ::testing::Values(
        // 2560 twips at 15 twips per pixel: -170.67 rounds to -171, which is already past the left
        // bound, so the strip turns there each time.
        Sweep{96, 1024, 171, -171, -171, 1025},
        // At 12 it starts at -213, inside the bound of -213.33, and turns at -215.
        Sweep{120, 1024, 213, -213, -215, 1025},
        // At 10 both bounds are whole pixels, and the tests are strict.
        Sweep{144, 1024, 256, -256, -258, 1026}),
    [](const auto& info) { return "Dpi" + std::to_string(static_cast<int>(info.param.dpi)); });

TEST_F(DisplayTest, AnUnreadableScreenLeavesBlackWithTheStripStillMoving) {
  capture_.set_fail(true);
  SetScreen(40, 2, 96);
  Corvane_S& form = Load();
  for (int tick = 0; tick < 100; ++tick) {
    const int left = form.StripLeft;
    form.Timer3_Timer();
    ASSERT_TRUE(ShowsStripAt(Shown(), left, 171, /*capture_failed=*/true)) << tick;
  }
}

TEST_F(DisplayTest, WithoutTheLibraryTheStripStaysUnprocessedAndTheFormGoesOn) {
  libraries_ = platform::FakeDynamicLibraries{};
  SetScreen(40, 1, 96);
  Corvane_S& form = Load();
  for (int tick = 0; tick < 90; ++tick) form.Timer3_Timer();
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_TRUE(EffectCalls().empty());
  // The processed strip was never written: it is as black as it started.
  const int left = form.StripLeft - 2;  // Where the last frame was drawn, on its way right.
  for (int x = 0; x < 40; ++x) {
    const bool in_strip = x >= left && x < left + 171;
    EXPECT_EQ(Shown().Row(0)[x], in_strip ? 0u : Pattern(x, 0)) << x;
  }
}

}  // namespace
}  // namespace corvane::display_test
