#include "tools/encode/cursor_encode.h"

#include "resources/cursor_file.h"

namespace corvane::gfx {

namespace {

void Put16(std::vector<std::uint8_t>& file, std::size_t at, int value) {
  file[at] = static_cast<std::uint8_t>(value);
  file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutRow(std::vector<std::uint8_t>& file, std::uint32_t row) {
  for (const int shift : {24, 16, 8, 0}) file.push_back(static_cast<std::uint8_t>(row >> shift));
}

}  // namespace

std::vector<std::uint8_t> EncodeCursor(const platform::CustomCursor& cursor) {
  using namespace cursor_file;
  std::vector<std::uint8_t> file(kHeader.begin(), kHeader.end());
  Put16(file, kHotSpot, cursor.hot_x);
  Put16(file, kHotSpot + 2, cursor.hot_y);
  // Colour 0 is black; outside the mask the colour bit stays 0, so the screen shows unchanged.
  for (int y = 31; y >= 0; --y) {
    const std::size_t row = static_cast<std::size_t>(y);
    PutRow(file, cursor.mask[row] & ~cursor.image[row]);
  }
  for (int y = 31; y >= 0; --y) PutRow(file, ~cursor.mask[static_cast<std::size_t>(y)]);
  return file;
}

}  // namespace corvane::gfx
