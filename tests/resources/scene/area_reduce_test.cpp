#include "resources/scene/area_reduce.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace corvane {
namespace {

gfx::Surface Make(int width, int height) { return *gfx::Surface::Create(width, height); }

gfx::Pixel Grey(int v) { return static_cast<gfx::Pixel>(v << 16 | v << 8 | v); }

TEST(ReduceByArea, AveragesFractionalCoverageExactly) {
  // Three source columns into two: each new pixel covers one and a half source pixels, the middle
  // one shared half and half. (0 + 90 / 2) / 1.5 = 30 and (90 / 2 + 180) / 1.5 = 150.
  gfx::Surface source = Make(3, 1);
  source.Row(0)[0] = Grey(0);
  source.Row(0)[1] = Grey(90);
  source.Row(0)[2] = 0x00B4005A;  // red 180, blue 90: the channels are averaged apart
  auto reduced = ReduceByArea(source, 2, 1);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->Row(0)[0], Grey(30));
  EXPECT_EQ(reduced->Row(0)[1], static_cast<gfx::Pixel>(150 << 16 | 30 << 8 | 90));
}

TEST(ReduceByArea, RoundsToNearestWithHalvesUp) {
  // 2 x 2 into 1 x 1: the mean of 0, 0, 0 and 255 is 63.75, and of 1, 0, 0, 1 is 0.5.
  gfx::Surface source = Make(2, 2);
  source.Row(0)[0] = 0x00000001;
  source.Row(1)[1] = 0x00FF0001;
  auto reduced = ReduceByArea(source, 1, 1);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->Row(0)[0], static_cast<gfx::Pixel>(64 << 16 | 1));
}

TEST(ReduceByArea, KeepsBlockMeansAndFlatColours) {
  struct Case {
    int from_w, from_h, to_w, to_h;
  };
  const Case cases[] = {{1280, 1024, 152, 112}, {5, 5, 5, 5}, {17, 13, 1, 1}};
  for (const Case& c : cases) {
    gfx::Surface source = Make(c.from_w, c.from_h);
    source.Fill(gfx::Rgb(12, 200, 77));
    auto reduced = ReduceByArea(source, c.to_w, c.to_h);
    ASSERT_TRUE(reduced) << c.from_w << "x" << c.from_h;
    ASSERT_EQ(reduced->width(), c.to_w);
    ASSERT_EQ(reduced->height(), c.to_h);
    for (int y = 0; y < c.to_h; ++y) {
      for (int x = 0; x < c.to_w; ++x) {
        ASSERT_EQ(reduced->Row(y)[x], gfx::ToPixel(gfx::Rgb(12, 200, 77)))
            << c.from_w << "x" << c.from_h << " to " << c.to_w << "x" << c.to_h;
      }
    }
  }
  // Integer ratios: each new pixel is the plain mean of its 4 x 4 block.
  gfx::Surface source = Make(8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) source.Row(y)[x] = Grey((x / 4) * 100 + (y / 4) * 20 + x % 2 * 8);
  }
  auto reduced = ReduceByArea(source, 2, 2);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->Row(0)[0], Grey(4));
  EXPECT_EQ(reduced->Row(0)[1], Grey(104));
  EXPECT_EQ(reduced->Row(1)[0], Grey(24));
  EXPECT_EQ(reduced->Row(1)[1], Grey(124));
}

TEST(ReduceByArea, TurnsFineDetailIntoItsAverageToneWithoutAliasing) {
  // A one-pixel checkerboard at a ratio that is not a whole number: point sampling would give
  // black or white pixels; an area average gives mid-grey everywhere, give or take the one pixel
  // that each cut-off edge adds to one colour.
  gfx::Surface source = Make(100, 90);
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 100; ++x) source.Row(y)[x] = (x + y) % 2 == 0 ? Grey(255) : Grey(0);
  }
  auto reduced = ReduceByArea(source, 7, 6);
  ASSERT_TRUE(reduced);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 7; ++x) {
      const int v = static_cast<int>(reduced->Row(y)[x] & 0xFF);
      EXPECT_LE(std::abs(v - 128), 3) << x << "," << y;
    }
  }
}

TEST(ReduceByArea, ReadsASourceWhosePitchIsWiderThanItsRows) {
  // Twelve words a row, of which the picture uses four; the rest must never be read.
  std::vector<gfx::Pixel> memory(12 * 2, Grey(255));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) memory[static_cast<std::size_t>(y * 12 + x)] = Grey(40);
  }
  auto source = gfx::Surface::Wrap(memory.data(), 4, 2, 12 * 4);
  ASSERT_TRUE(source);
  auto reduced = ReduceByArea(*source, 3, 1);
  ASSERT_TRUE(reduced);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(reduced->Row(0)[x], Grey(40));
}

TEST(ReduceByArea, RefusesSizesItCannotReduceTo) {
  gfx::Surface source = Make(10, 10);
  EXPECT_FALSE(ReduceByArea(source, 11, 5));
  EXPECT_FALSE(ReduceByArea(source, 5, 11));
  EXPECT_FALSE(ReduceByArea(source, 0, 5));
  EXPECT_FALSE(ReduceByArea(source, 5, -1));
  EXPECT_FALSE(ReduceByArea(gfx::Surface(), 1, 1));
}

}  // namespace
}  // namespace corvane
