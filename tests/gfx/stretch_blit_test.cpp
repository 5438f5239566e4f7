#include "gfx/stretch_blit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Patterned;
using test::PixelsOf;

TEST(StretchBlit, MatchesPixelByPixelReferenceWhenClipped) {
  // Destination 20 x 6, source 64 x 5, as a button's backing image and a state picture.
  const struct {
    const char* name;
    int x, y, width, height, src_x, src_y, src_width, src_height;
  } cases[] = {
      {"top edge of a small button, shrunk 56 to 17", 4, 0, 17, 4, 4, 0, 56, 4},
      {"one column and one row", 5, 2, 1, 1, 3, 1, 64, 5},
      {"source block hanging off the left", 0, 0, 20, 6, -10, -2, 30, 9},
      {"destination hanging off all sides", -5, -2, 30, 10, 0, 0, 64, 5},
      {"stretch past the right edge", 3, 1, 100, 3, 60, 1, 10, 2},
      {"largest both", INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
      {"destination far right", INT_MAX, 0, INT_MAX, 6, 0, 0, 64, 5},
      {"entirely outside the source", 0, 0, 20, 6, 64, 0, 10, 5},
  };
  const Surface src = Patterned(64, 5, 0x100);
  for (const auto& c : cases) {
    Surface dst = Patterned(20, 6, 0x10000);
    const auto [expected, copied] = test::ReferenceStretch(
        dst, c.x, c.y, c.width, c.height, src, c.src_x, c.src_y, c.src_width, c.src_height);
    EXPECT_EQ(StretchBlit(dst, c.x, c.y, c.width, c.height, src, c.src_x, c.src_y, c.src_width,
                          c.src_height),
              copied)
        << c.name;
    EXPECT_EQ(PixelsOf(dst), expected) << c.name;
  }
}

TEST(StretchBlit, RejectsEmptyAndMirroredExtents) {
  const Surface src = Patterned(4, 4, 1);
  const int extents[][4] = {{0, 4, 4, 4}, {4, -4, 4, 4}, {4, 4, -4, 4}, {4, 4, 4, 0}};
  for (const auto& e : extents) {
    Surface dst = Patterned(4, 4, 100);
    EXPECT_FALSE(StretchBlit(dst, 0, 0, e[0], e[1], src, 0, 0, e[2], e[3]));
    EXPECT_EQ(PixelsOf(dst), PixelsOf(Patterned(4, 4, 100)));
  }
}

TEST(StretchBlit, OntoItselfReadsTheOriginalPixels) {
  Surface surface = Patterned(6, 1, 1);  // 1 2 3 4 5 6
  EXPECT_TRUE(StretchBlit(surface, 1, 0, 5, 1, surface, 0, 0, 3, 1));
  // Pixel i of the block repeats source pixel floor(i * 3 / 5) = 0 0 1 1 2, as it was.
  EXPECT_EQ(PixelsOf(surface), (std::vector<Pixel>{1, 1, 1, 2, 2, 3}));
}

}  // namespace
}  // namespace corvane::gfx
