#include "display/strip_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "display/strip_variant.h"
#include "tests/display/display_fixture.h"

namespace corvane {
namespace {

TEST(StripMotion, TheStartIsOneStripWidthLeftOfTheScreenRoundedToAPixel) {
  const struct {
    float twips_per_pixel;
    int left;
  } cases[] = {{15, -171},
               {12, -213},
               {10, -256},
               // Beyond 16 bits the position is held at the limit instead of wrapping around.
               {0.01f, -32768},
               // A screen without a usable factor places the strip at its edge.
               {0, 0},
               {-15, 0},
               {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const auto& c : cases)
    EXPECT_EQ(StripStartLeft(c.twips_per_pixel), c.left) << c.twips_per_pixel;
}

TEST(StripMotion, ThePositionNeverWrapsPastSixteenBits) {
  std::int16_t left = 32766;
  std::int16_t forward = kStripTrue;
  // On a screen wider than any the window system allows the strip would never turn.
  EXPECT_FALSE(MoveStrip(left, forward, 1e9, 1));
  EXPECT_EQ(left, 32767);
  EXPECT_FALSE(MoveStrip(left, forward, 1e9, 1));
  EXPECT_EQ(left, 32767);
}

TEST(StripMotion, CopyExtentsAreTheScaleSizesAsWholeNumbers) {
  EXPECT_EQ(CopyExtent(2565.0), 2565);
  EXPECT_EQ(CopyExtent(15360.4), 15360);
  EXPECT_EQ(CopyExtent(0), 0);
  EXPECT_EQ(CopyExtent(-30), 0);
  EXPECT_EQ(CopyExtent(1e12), std::numeric_limits<int>::max());
  EXPECT_EQ(CopyExtent(std::nan("")), 0);
}

TEST(StripVariant, ThirdsOfTheUnitIntervalGiveTheThreeMetals) {
  const struct {
    float r;
    int variant;
  } cases[] = {{0.0f, 1},
               {0.3333333f, 1},
               {0.33334f, 2},
               {0.6666666f, 2},
               {0.6666667f, 3},
               {0.99999994f, 3},
               // A generator out of its range still yields a metal the library knows.
               {7.5f, 3},
               {-0.25f, 1},
               {std::numeric_limits<float>::quiet_NaN(), 1}};
  display_test::FixedClock clock;
  for (const auto& c : cases) {
    display_test::ScriptedRandom numbers;
    numbers.numbers = {c.r};
    EXPECT_EQ(DrawStripVariant(clock, numbers), c.variant) << c.r;
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
    ASSERT_GE(r, 0.0f) << seconds;
    ASSERT_LT(r, 1.0f) << seconds;
    metals.insert(static_cast<int>(r * 3) + 1);
  }
  EXPECT_EQ(metals, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace corvane
