#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace corvane::e2e {

// The first and last column where a frame of width x height pixels differs from the desktop it
// was captured from (-1 when nowhere); every difference must lie in one unbroken run of columns,
// as the saver's strip does.
inline std::pair<int, int> DifferingColumns(const std::vector<std::uint32_t>& frame,
                                            const std::vector<std::uint32_t>& desktop, int width,
                                            int height) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < width; ++x) {
    bool differs = false;
    for (int y = 0; y < height; ++y) differs |= frame[y * width + x] != desktop[y * width + x];
    if (!differs) continue;
    EXPECT_TRUE(last < 0 || last == x - 1) << "column " << x;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

}  // namespace corvane::e2e
