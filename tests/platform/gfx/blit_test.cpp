#include "platform/gfx/blit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "tests/platform/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Patterned;
using test::PixelsOf;

struct BlitCase {
  const char* name;
  int x, y, width, height;
  int src_x, src_y;
};

// What a copy must give, worked out one destination pixel at a time with no clipping arithmetic.
std::vector<Pixel> ReferenceBlit(const Surface& dst, const BlitCase& c, const Surface& src,
                                 bool* copied) {
  std::vector<Pixel> expected = PixelsOf(dst);
  *copied = false;
  for (int py = 0; py < dst.height(); ++py) {
    for (int px = 0; px < dst.width(); ++px) {
      const std::int64_t i = std::int64_t{px} - c.x;
      const std::int64_t j = std::int64_t{py} - c.y;
      if (i < 0 || j < 0 || i >= c.width || j >= c.height) continue;
      const std::int64_t sx = c.src_x + i;
      const std::int64_t sy = c.src_y + j;
      if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
      expected[static_cast<std::size_t>(py * dst.width() + px)] = src.Row(static_cast<int>(sy))[sx];
      *copied = true;
    }
  }
  return expected;
}

TEST(Blit, MatchesPixelByPixelReferenceWhenClipped) {
  // Destination 12 x 9, source 7 x 5.
  const BlitCase cases[] = {
      {"inside both", 2, 3, 4, 2, 1, 1},
      {"past the destination's right and bottom", 9, 7, 7, 5, 0, 0},
      {"past the destination's left and top", -3, -2, 7, 5, 0, 0},
      {"source origin left and above", 1, 1, 7, 5, -2, -3},
      {"source origin right and below", 0, 0, 7, 5, 5, 4},
      {"extent in twips, far beyond both", 0, 0, 12 * 15, 9 * 15, 0, 0},
      {"largest extents", 0, 0, INT_MAX, INT_MAX, 0, 0},
      {"largest extents from the most negative origin", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0},
      {"source origin at the most negative", 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
      {"source origin at the most positive", 0, 0, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {"destination origin at the most positive", INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0},
      {"entirely outside the source", 0, 0, 7, 5, 7, 0},
      {"zero width", 0, 0, 0, 5, 0, 0},
      {"zero height", 0, 0, 7, 0, 0, 0},
      {"negative width", 5, 0, -3, 5, 0, 0},
      {"negative height", 0, 4, 7, -3, 0, 0},
  };
  const Surface src = Patterned(7, 5, 0x100);
  for (const BlitCase& c : cases) {
    Surface dst = Patterned(12, 9, 0x10000);
    bool expect_copied = false;
    const std::vector<Pixel> expected = ReferenceBlit(dst, c, src, &expect_copied);
    EXPECT_EQ(Blit(dst, c.x, c.y, c.width, c.height, src, c.src_x, c.src_y), expect_copied)
        << c.name;
    EXPECT_EQ(PixelsOf(dst), expected) << c.name;
  }
}

TEST(Blit, LeavesPaddingOfAWrappedSurfaceAlone) {
  // Rows of 3 pixels, 5 apart: a copy that strides by width instead of pitch shows up here.
  std::vector<Pixel> memory(5 * 4, 0xEEEEEE);
  auto dst = Surface::Wrap(memory.data(), 3, 4, 5 * sizeof(Pixel));
  const Surface src = Patterned(3, 4, 1);
  EXPECT_TRUE(Blit(*dst, 0, 0, 100, 100, src, 0, 0));
  for (std::size_t i = 0; i < memory.size(); ++i) {
    const Pixel expected = i % 5 < 3 ? src.Row(static_cast<int>(i / 5))[i % 5] : 0xEEEEEE;
    EXPECT_EQ(memory[i], expected) << i;
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
