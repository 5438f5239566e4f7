#include "display/strip_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "display/strip_variant.h"
#include "tests/display/display_fixture.h"

namespace corvane {
namespace {

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

// Positions and extents stay in range whatever the screen reports; the usual screens are covered
// frame by frame in the display's sweep.
TEST(StripMotion, PositionsAndExtentsStayInRange) {
  EXPECT_EQ(StripStartLeft(0.01f), -32768);
  for (float factor : {0.0f, -15.0f, kNan}) EXPECT_EQ(StripStartLeft(factor), 0) << factor;
  std::int16_t left = 32766;
  std::int16_t forward = kStripTrue;
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(MoveStrip(left, forward, 1e9, 1));
  EXPECT_EQ(left, 32767);
  EXPECT_EQ(CopyExtent(15360.4), 15360);
  EXPECT_EQ(CopyExtent(-30), 0);
  EXPECT_EQ(CopyExtent(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(CopyExtent(std::nan("")), 0);
}

TEST(StripVariant, ThirdsOfTheUnitIntervalGiveTheThreeMetals) {
  // A generator out of its range still yields a metal the library knows.
  const std::pair<float, int> cases[] = {{0.3333333f, 1}, {0.33334f, 2},    {0.6666666f, 2},
                                         {0.6666667f, 3}, {0.99999994f, 3}, {7.5f, 3},
                                         {-0.25f, 1},     {kNan, 1}};
  display_test::FixedClock clock;
  for (const auto& [r, variant] : cases) {
    display_test::ScriptedRandom numbers;
    numbers.numbers = {r};
    EXPECT_EQ(DrawStripVariant(clock, numbers), variant) << r;
    EXPECT_EQ(numbers.seeds, std::vector<std::int32_t>{clock.seconds});
  }
}

TEST(StripVariant, TheGeneratorRepeatsItselfForASeedAndCoversEveryMetalOverADay) {
  SeededRandomNumbers a;
  SeededRandomNumbers b;
  a.Randomize(86399);
  b.Randomize(86399);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Rnd(), b.Rnd());
  std::set<int> metals;
  for (std::int32_t seconds = 0; seconds < 86400; seconds += 97) {
    a.Randomize(seconds);
    const float r = a.Rnd();
    ASSERT_TRUE(r >= 0.0f && r < 1.0f) << seconds;
    metals.insert(static_cast<int>(r * 3) + 1);
  }
  EXPECT_EQ(metals, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace corvane
