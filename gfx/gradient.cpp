#include "gfx/gradient.h"

#include <algorithm>

#include "gfx/color.h"

namespace corvane::gfx {

namespace {

// Channel value of row `row` out of rows 0 .. last_row, where row 0 has `top` and last_row has
// `bottom`. The weighted sum is non-negative, so adding half the divisor before dividing rounds to
// nearest with halves up. At most 2^16 * 2^32, well inside 64 bits.
std::uint8_t Channel(std::uint16_t top, std::uint16_t bottom, std::int64_t row,
                     std::int64_t last_row) {
  if (last_row == 0) return static_cast<std::uint8_t>(top >> 8);
  const std::int64_t sum = std::int64_t{top} * (last_row - row) + std::int64_t{bottom} * row;
  const std::int64_t value = (2 * sum + last_row) / (2 * last_row);
  return static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

void FillGradientV(Surface& surface, const GradientVertex& a, const GradientVertex& b) {
  const GradientVertex& top = a.y <= b.y ? a : b;
  const GradientVertex& bottom = a.y <= b.y ? b : a;
  const std::int64_t rows = std::int64_t{bottom.y} - top.y;
  const std::int64_t first_col = std::max(std::min(a.x, b.x), 0);
  const std::int64_t last_col = std::min<std::int64_t>(std::max(a.x, b.x), surface.width());
  if (rows == 0 || first_col >= last_col) return;

  const int first_y = static_cast<int>(std::max<std::int64_t>(top.y, 0));
  const int last_y = static_cast<int>(std::min<std::int64_t>(bottom.y, surface.height()));
  for (int y = first_y; y < last_y; ++y) {
    const std::int64_t row = std::int64_t{y} - top.y;
    const Pixel pixel = ToPixel(Rgb(Channel(top.red, bottom.red, row, rows - 1),
                                    Channel(top.green, bottom.green, row, rows - 1),
                                    Channel(top.blue, bottom.blue, row, rows - 1)));
    std::fill(surface.Row(y) + first_col, surface.Row(y) + last_col, pixel);
  }
}

}  // namespace corvane::gfx
