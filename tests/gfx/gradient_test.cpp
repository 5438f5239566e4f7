#include "gfx/gradient.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Filled;
using test::PixelsOf;

constexpr ColorRef kBackground = Rgb(1, 2, 3);

GradientVertex Vertex(int x, int y, std::uint16_t r, std::uint16_t g, std::uint16_t b) {
  return GradientVertex{x, y, r, g, b};
}

ColorRef At(const Surface& s, int x, int y) { return ToColorRef(s.Row(y)[x]); }

TEST(FillGradientV, RoundsToNearestAtSixteenBits) {
  // From 0x0000 to 0x01FF over 3 rows: the middle is 0x00FF.8, rounded up to 0x0100, so 0x01;
  // and from 0x0000 to 0x00FF the middle 0x007F.8 becomes 0x0080, so 0x00.
  Surface s = Filled(2, 4, kBackground);
  FillGradientV(s, Vertex(0, 0, 0, 0, 0), Vertex(1, 3, 0x01FF, 0x00FF, 0xFFFF));
  EXPECT_EQ(At(s, 0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(At(s, 0, 1), Rgb(0x01, 0x00, 0x80));
  EXPECT_EQ(At(s, 0, 2), Rgb(0x01, 0x00, 0xFF));
}

TEST(FillGradientV, ClippedRowsKeepTheirColoursInTheWholeRectangle) {
  // The same rectangle drawn whole at an offset of (5, 5) and cut by a small surface.
  Surface whole = Filled(20, 20, kBackground);
  FillGradientV(whole, Vertex(2, 1, 0x1000, 0x8000, 0xF000), Vertex(14, 17, 0xF000, 0x2000, 0));
  Surface clipped = Filled(6, 6, kBackground);
  FillGradientV(clipped, Vertex(-3, -4, 0x1000, 0x8000, 0xF000), Vertex(9, 12, 0xF000, 0x2000, 0));
  for (int i = 0; i < 36; ++i) {
    EXPECT_EQ(At(clipped, i % 6, i / 6), At(whole, i % 6 + 5, i / 6 + 5)) << i;
  }
}

TEST(FillGradientV, DegenerateAndHugeRectangles) {
  const GradientVertex white = Vertex(0, 0, 0xFF00, 0xFF00, 0xFF00);
  Surface s = Filled(4, 4, kBackground);
  FillGradientV(s, white, Vertex(4, 0, 0, 0, 0));
  FillGradientV(s, white, Vertex(0, 4, 0, 0, 0));
  FillGradientV(s, Vertex(4, 4, 0, 0, 0), Vertex(6, 6, 0, 0, 0));
  FillGradientV(s, Vertex(-6, -6, 0, 0, 0), Vertex(0, 0, 0, 0, 0));
  EXPECT_EQ(PixelsOf(s), PixelsOf(Filled(4, 4, kBackground))) << "no rows, no columns, or outside";

  FillGradientV(s, white, Vertex(2, 1, 0, 0, 0));
  EXPECT_EQ(At(s, 1, 0), Rgb(0xFF, 0xFF, 0xFF)) << "a single row takes the top colour";

  // Spanning the whole int range, the surface lies just past the middle row: 0xFFFF * 2^31 /
  // (2^32 - 2) = 0x7FFF.8 and a little more, rounded to 0x8000.
  FillGradientV(s, Vertex(INT_MIN, INT_MIN, 0, 0, 0), Vertex(INT_MAX, INT_MAX, 0xFFFF, 0, 0));
  for (int y = 0; y < 4; ++y) EXPECT_EQ(At(s, 3, y), Rgb(0x80, 0, 0)) << y;
}

}  // namespace
}  // namespace corvane::gfx
