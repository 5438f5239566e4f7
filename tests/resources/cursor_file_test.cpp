#include "resources/cursor_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "resources/dialog/hand_cursor.h"
#include "resources/dialog_pictures.h"
#include "tools/encode/cursor_encode.h"

namespace corvane {
namespace {

// The pointer the dialog shows is the one the generator draws, pixel for pixel.
TEST(CursorFile, TheBuiltInHandIsTheGeneratorsDrawing) {
  const std::optional<platform::CustomCursor> shown = DecodeCursorFile(HandCursorFile());
  ASSERT_TRUE(shown);
  const platform::CustomCursor drawn = dialog_art::HandCursor();
  EXPECT_EQ(shown->image, drawn.image);
  EXPECT_EQ(shown->mask, drawn.mask);
  EXPECT_EQ(shown->hot_x, drawn.hot_x);
  EXPECT_EQ(shown->hot_y, drawn.hot_y);
}

// A file as other tools write it: hot spot (3, 5), a black pixel at the bottom-left corner and a
// white one at the top-right; everything else keeps the screen.
std::vector<unsigned char> TwoPixelFile() {
  using namespace cursor_file;
  std::vector<unsigned char> file(kHeader.begin(), kHeader.end());
  file[kHotSpot] = 3;
  file[kHotSpot + 2] = 5;
  file.resize(kSize, 0);
  const std::size_t mask = kRows + 32 * kRowBytes;
  std::fill(file.begin() + mask, file.end(), 0xFF);
  file[mask] = 0x7F;                       // the first row stored is the bottom one
  file[mask + 31 * kRowBytes + 3] = 0xFE;  // the last is the top one
  file[kRows + 31 * kRowBytes + 3] = 0x01;
  return file;
}

TEST(CursorFile, RowsAreStoredBottomUpWithTheMaskInverted) {
  const std::vector<unsigned char> file = TwoPixelFile();
  const std::optional<platform::CustomCursor> cursor = DecodeCursorFile(file);
  ASSERT_TRUE(cursor);
  platform::CustomCursor expected;
  expected.mask[31] = expected.image[31] = 0x80000000U;
  expected.mask[0] = 0x00000001U;
  EXPECT_EQ(cursor->image, expected.image);
  EXPECT_EQ(cursor->mask, expected.mask);
  EXPECT_EQ(cursor->hot_x, 3);
  EXPECT_EQ(cursor->hot_y, 5);
  EXPECT_EQ(gfx::EncodeCursor(*cursor), file) << "the generator writes the same bytes";
}

TEST(CursorFile, RefusesWhatItCannotShowExactly) {
  const struct {
    const char* name;
    std::size_t at;
    unsigned char value;
  } cases[] = {
      {"another size", 6, 48},
      {"more bits a pixel", 36, 4},
      {"hot spot outside", cursor_file::kHotSpot + 2, 32},
      {"a picture of another length", cursor_file::kHotSpot + 4, 0x31},
      {"a pixel inverting the screen", cursor_file::kRows, 0x40},  // masked out, yet white
  };
  for (const auto& c : cases) {
    std::vector<unsigned char> file = TwoPixelFile();
    file[c.at] = c.value;
    EXPECT_FALSE(DecodeCursorFile(file)) << c.name;
  }
  std::vector<unsigned char> truncated = TwoPixelFile();
  truncated.pop_back();
  EXPECT_FALSE(DecodeCursorFile(truncated));
}

}  // namespace
}  // namespace corvane
