#include "platform/gfx/pixel_access.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::PixelsOf;

TEST(PixelAccess, WritesAndReadsColoursInsideTheSurface) {
  auto s = Surface::Create(4, 3);
  EXPECT_TRUE(SetPixel(*s, 3, 2, Rgb(0x12, 0x34, 0x56)));
  EXPECT_TRUE(SetPixel(*s, 0, 0, Rgb(0xFF, 0, 0)));
  EXPECT_EQ(GetPixel(*s, 3, 2), Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(s->Row(2)[3], 0x00123456u) << "stored as 0x00RRGGBB";
  EXPECT_EQ(GetPixel(*s, 0, 0), 0x000000FFu) << "read back as 0x00BBGGRR";
  EXPECT_EQ(GetPixel(*s, 1, 0), 0u);
}

TEST(PixelAccess, OutsideTheSurfaceReadsInvalidAndWritesNothing) {
  const int outside[][2] = {{-1, 0},      {0, -1},      {4, 0},       {0, 3},       {4, 3},
                            {INT_MIN, 0}, {0, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}, {-1, -1}};
  auto s = test::Filled(4, 3, Rgb(1, 2, 3));
  for (const auto& p : outside) {
    EXPECT_EQ(GetPixel(s, p[0], p[1]), kInvalidColor) << p[0] << "," << p[1];
    EXPECT_FALSE(SetPixel(s, p[0], p[1], Rgb(9, 9, 9))) << p[0] << "," << p[1];
  }
  EXPECT_EQ(PixelsOf(s), PixelsOf(test::Filled(4, 3, Rgb(1, 2, 3))));
}

}  // namespace
}  // namespace corvane::gfx
