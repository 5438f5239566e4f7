#include "platform/gfx/stretch_blit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "tests/platform/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Patterned;
using test::PixelsOf;

std::vector<Pixel> Row0(const Surface& s) { return {s.Row(0), s.Row(0) + s.width()}; }

TEST(StretchBlit, StretchesByRepeatingAndShrinksByDropping) {
  const Surface src = Patterned(5, 1, 10);  // 10 11 12 13 14
  struct Case {
    int src_width, width;
    std::vector<Pixel> expected;
  } cases[] = {
      // floor(i * 2 / 5) = 0 0 0 1 1
      {2, 5, {10, 10, 10, 11, 11}},
      // floor(i * 5 / 2) = 0 2
      {5, 2, {10, 12}},
      // floor(i * 5 / 3) = 0 1 3
      {5, 3, {10, 11, 13}},
  };
  for (const Case& c : cases) {
    auto dst = Surface::Create(c.width, 1);
    EXPECT_TRUE(StretchBlit(*dst, 0, 0, c.width, 1, src, 0, 0, c.src_width, 1));
    EXPECT_EQ(Row0(*dst), c.expected) << c.src_width << " -> " << c.width;
  }
}

struct StretchCase {
  const char* name;
  int x, y, width, height;
  int src_x, src_y, src_width, src_height;
};

// What a stretch must give, worked out one destination pixel at a time with no clipping arithmetic.
std::vector<Pixel> ReferenceStretch(const Surface& dst, const StretchCase& c, const Surface& src,
                                    bool* copied) {
  std::vector<Pixel> expected = PixelsOf(dst);
  *copied = false;
  for (int py = 0; py < dst.height(); ++py) {
    for (int px = 0; px < dst.width(); ++px) {
      const std::int64_t i = std::int64_t{px} - c.x;
      const std::int64_t j = std::int64_t{py} - c.y;
      if (i < 0 || j < 0 || i >= c.width || j >= c.height) continue;
      const std::int64_t sx = c.src_x + i * c.src_width / c.width;
      const std::int64_t sy = c.src_y + j * c.src_height / c.height;
      if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
      expected[static_cast<std::size_t>(py * dst.width() + px)] = src.Row(static_cast<int>(sy))[sx];
      *copied = true;
    }
  }
  return expected;
}

TEST(StretchBlit, MatchesPixelByPixelReferenceWhenClipped) {
  // Destination 20 x 6, source 64 x 5, as a button's backing image and a state picture.
  const StretchCase cases[] = {
      {"top edge of a small button, shrunk 56 to 17", 4, 0, 17, 4, 4, 0, 56, 4},
      {"source block hanging off the left", 0, 0, 20, 6, -10, -2, 30, 9},
      {"destination hanging off all sides", -5, -2, 30, 10, 0, 0, 64, 5},
      {"stretch past the right edge", 3, 1, 100, 3, 60, 1, 10, 2},
      {"largest source extents", 0, 0, 20, 6, 0, 0, INT_MAX, INT_MAX},
      {"largest both", INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
      {"destination far right", INT_MAX, 0, INT_MAX, 6, 0, 0, 64, 5},
      {"entirely outside the source", 0, 0, 20, 6, 64, 0, 10, 5},
  };
  const Surface src = Patterned(64, 5, 0x100);
  for (const StretchCase& c : cases) {
    Surface dst = Patterned(20, 6, 0x10000);
    bool expect_copied = false;
    const std::vector<Pixel> expected = ReferenceStretch(dst, c, src, &expect_copied);
    EXPECT_EQ(StretchBlit(dst, c.x, c.y, c.width, c.height, src, c.src_x, c.src_y, c.src_width,
                          c.src_height),
              expect_copied)
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
  // floor(i * 3 / 5) = 0 0 1 1 2, read from the pixels as they were.
  EXPECT_EQ(Row0(surface), (std::vector<Pixel>{1, 1, 1, 2, 2, 3}));
}

}  // namespace
}  // namespace corvane::gfx
