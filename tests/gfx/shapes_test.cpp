#include "gfx/shapes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

using test::Filled;
using test::PixelsOf;

constexpr ColorRef kGround = Rgb(0xEC, 0xE9, 0xD8);
constexpr ColorRef kInk = Rgb(0, 0x3C, 0x74);
constexpr ColorRef kFill = Rgb(0xF3, 0xF3, 0xEE);
const Pen kPen = Pen::Solid(kInk);
const Brush kBrush = Brush::Solid(kFill);

// '.' background, 'O' outline, '#' fill, '?' anything else; rows end in '/'.
std::string Show(const Surface& s) {
  std::string picture;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      const Pixel p = s.Row(y)[x];
      picture += p == ToPixel(kGround) ? '.'
                 : p == ToPixel(kInk)  ? 'O'
                 : p == ToPixel(kFill) ? '#'
                                       : '?';
    }
    picture += '/';
  }
  return picture;
}

// Swapped edges, clipping at the top left and a missing pen or brush are rows of the drawing
// conformance table, which reaches this through the API on both engines.
TEST(DrawRectangle, OutlineAlongTheEdgesAndFillInside) {
  const struct {
    Rect rect;
    const char* picture;
  } cases[] = {
      {{1, 1, 5, 4}, "....../.OOOO./.O##O./.OOOO./....../"},
      {{2, 0, 3, 5}, "..O.../..O.../..O.../..O.../..O.../"},  // one column
      {{1, 2, 5, 3}, "....../....../.OOOO./....../....../"},  // one row
      {{4, 2, 9, 9}, "....../....../....OO/....O#/....O#/"},
      {{2, 1, 2, 4}, "....../....../....../....../....../"},  // zero width
  };
  for (const auto& c : cases) {
    Surface s = Filled(6, 5, kGround);
    DrawRectangle(s, c.rect, kPen, kBrush);
    EXPECT_EQ(Show(s), c.picture) << c.rect.left << "," << c.rect.top << " " << c.rect.right << ","
                                  << c.rect.bottom;
  }
}

// The rounded shape itself, at every size and corner the frames use, is the frame control's
// reference test; these cases are what the frames never ask for.
TEST(DrawRoundRect, ClippedDrawingIsAWindowOfTheWholeOne) {
  struct Case {
    Rect rect;
    int cw, ch;
  } cases[] = {
      {{-6, -4, 9, 7}, 8, 6},
      {{3, 2, 20, 15}, 9, 9},
      {{-10, 3, 25, 6}, 20, 3},
      {{4, -20, 6, 30}, 2, 20},
  };
  // The small surface sees the area (8, 8)-(18, 16) of a large one that holds the whole shape.
  constexpr int kShift = 8;
  for (const auto& c : cases) {
    Surface whole = Filled(50, 60, kGround);
    const Rect moved{c.rect.left + kShift, c.rect.top + kShift + 10, c.rect.right + kShift,
                     c.rect.bottom + kShift + 10};
    DrawRoundRect(whole, moved, c.cw, c.ch, kPen, kBrush);
    Surface window = Filled(10, 8, kGround);
    DrawRoundRect(window, c.rect, c.cw, c.ch, kPen, kBrush);
    for (int i = 0; i < 80; ++i) {
      EXPECT_EQ(window.Row(i / 10)[i % 10], whole.Row(i / 10 + kShift + 10)[i % 10 + kShift])
          << c.rect.left << "," << c.rect.top << " at " << i % 10 << "," << i / 10;
    }
  }
}

TEST(DrawRoundRect, HugeRectanglesAndCornersAreSafe) {
  // The surface lies in the middle of the whole int range: all of it is interior.
  Surface s = Filled(16, 16, kGround);
  DrawRoundRect(s, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX, INT_MAX, kPen, kBrush);
  EXPECT_EQ(PixelsOf(s), PixelsOf(Filled(16, 16, kFill)));
}

}  // namespace
}  // namespace corvane::gfx
