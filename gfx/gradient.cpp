#include "gfx/gradient.h"

#include <algorithm>

#include "gfx/color.h"

namespace corvane::gfx {

namespace {

// Channel value of row `row` of a gradient that runs from `top` at row 0 to `bottom` at row
// `rows`, one row beyond the last one filled. Each channel is interpolated at 16 bits, cut to an
// integer and then to 8 bits, as the original platform does for 32-bit pixels. The weighted sum is
// at most 2^16 * 2^32, well inside 64 bits.
std::uint8_t Channel(std::uint16_t top, std::uint16_t bottom, std::int64_t row, std::int64_t rows) {
  const std::int64_t sum = std::int64_t{top} * (rows - row) + std::int64_t{bottom} * row;
  return static_cast<std::uint8_t>(sum / rows >> 8);
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
    const Pixel pixel = ToPixel(Rgb(Channel(top.red, bottom.red, row, rows),
                                    Channel(top.green, bottom.green, row, rows),
                                    Channel(top.blue, bottom.blue, row, rows)));
    std::fill(surface.Row(y) + first_col, surface.Row(y) + last_col, pixel);
  }
}

}  // namespace corvane::gfx
