#include "gfx/blit.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Patterned;
using test::PixelsOf;

TEST(Blit, MatchesPixelByPixelReferenceWhenClipped) {
  // Destination 12 x 9, source 7 x 5.
  const struct {
    const char* name;
    int x, y, width, height, src_x, src_y;
  } cases[] = {
      {"inside both", 2, 3, 4, 2, 1, 1},
      {"past the destination's right and bottom", 9, 7, 7, 5, 0, 0},
      {"past the destination's left and top", -3, -2, 7, 5, 0, 0},
      {"source origin left and above", 1, 1, 7, 5, -2, -3},
      {"source origin right and below", 0, 0, 7, 5, 5, 4},
      {"largest extents from the most negative origin", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0},
      {"source origin at the most negative", 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
      {"destination origin at the most positive", INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0},
      {"entirely outside the source", 0, 0, 7, 5, 7, 0},
      {"zero width", 0, 0, 0, 5, 0, 0},
      {"negative height", 0, 4, 7, -3, 0, 0},
  };
  const Surface src = Patterned(7, 5, 0x100);
  for (const auto& c : cases) {
    Surface dst = Patterned(12, 9, 0x10000);
    const auto [expected, copied] = test::ReferenceStretch(dst, c.x, c.y, c.width, c.height, src,
                                                           c.src_x, c.src_y, c.width, c.height);
    EXPECT_EQ(Blit(dst, c.x, c.y, c.width, c.height, src, c.src_x, c.src_y), copied) << c.name;
    EXPECT_EQ(PixelsOf(dst), expected) << c.name;
  }
}

TEST(Blit, OverlappingCopyWithinOneSurfaceReadsTheSourceFirst) {
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      Surface surface = Patterned(9, 7, 1);
      Surface expected = Patterned(9, 7, 1);
      Blit(expected, 2 + dx, 2 + dy, 5, 3, Patterned(9, 7, 1), 2, 2);
      EXPECT_TRUE(Blit(surface, 2 + dx, 2 + dy, 5, 3, surface, 2, 2));
      EXPECT_EQ(PixelsOf(surface), PixelsOf(expected)) << "shift " << dx << "," << dy;
    }
  }
}

}  // namespace
}  // namespace corvane::gfx
