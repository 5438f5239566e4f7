#include "resources/cursor_file.h"

#include <cstdint>

namespace corvane {

namespace {

using namespace cursor_file;

int Read16(std::span<const unsigned char> file, std::size_t at) {
  return file[at] | file[at + 1] << 8;
}

// Row y of the picture (0 the top) in the block of rows starting at `block`, leftmost pixel in the
// most significant bit.
std::uint32_t ReadRow(std::span<const unsigned char> file, std::size_t block, int y) {
  const std::size_t at = block + static_cast<std::size_t>(31 - y) * kRowBytes;
  return std::uint32_t{file[at]} << 24 | std::uint32_t{file[at + 1]} << 16 |
         std::uint32_t{file[at + 2]} << 8 | file[at + 3];
}

}  // namespace

std::optional<platform::CustomCursor> DecodeCursorFile(std::span<const unsigned char> file) {
  if (file.size() != kSize) return std::nullopt;
  for (std::size_t i = 0; i < kRows; ++i) {
    if (file[i] != kHeader[i] && (i < kHotSpot || i >= kHotSpot + 4)) return std::nullopt;
  }
  platform::CustomCursor cursor;
  cursor.hot_x = Read16(file, kHotSpot);
  cursor.hot_y = Read16(file, kHotSpot + 2);
  if (cursor.hot_x >= 32 || cursor.hot_y >= 32) return std::nullopt;
  constexpr std::size_t kMaskRows = kRows + 32 * kRowBytes;
  for (int y = 0; y < 32; ++y) {
    const std::uint32_t white = ReadRow(file, kRows, y);
    const std::uint32_t screen = ReadRow(file, kMaskRows, y);
    if ((white & screen) != 0) return std::nullopt;
    cursor.mask[static_cast<std::size_t>(y)] = ~screen;
    cursor.image[static_cast<std::size_t>(y)] = ~screen & ~white;
  }
  return cursor;
}

}  // namespace corvane
