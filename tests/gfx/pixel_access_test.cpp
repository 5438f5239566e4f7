#include "gfx/pixel_access.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

TEST(PixelAccess, ReadsAndWritesColoursInsideTheSurfaceOnly) {
  auto s = test::Filled(4, 3, Rgb(1, 2, 3));
  EXPECT_TRUE(SetPixel(s, 3, 2, Rgb(0x12, 0x34, 0x56)));
  EXPECT_EQ(s.Row(2)[3], 0x00123456u) << "stored as 0x00RRGGBB";
  EXPECT_EQ(GetPixel(s, 3, 2), 0x00563412u) << "read back as 0x00BBGGRR";
  const int outside[][2] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MIN}, {INT_MAX, 0}};
  for (const auto& p : outside) {
    EXPECT_EQ(GetPixel(s, p[0], p[1]), kInvalidColor) << p[0] << "," << p[1];
    EXPECT_FALSE(SetPixel(s, p[0], p[1], Rgb(9, 9, 9))) << p[0] << "," << p[1];
  }
  s.Row(2)[3] = ToPixel(Rgb(1, 2, 3));
  EXPECT_EQ(test::PixelsOf(s), test::PixelsOf(test::Filled(4, 3, Rgb(1, 2, 3))));
}

}  // namespace
}  // namespace corvane::gfx
