#include "gfx/font.h"

#include <algorithm>
#include <cmath>

namespace corvane::gfx {

int FontPixelSize(float points, int dpi) {
  const double pixels = std::round(static_cast<double>(points) * dpi / 72.0);
  // NaN fails both comparisons and ends at the smallest size.
  if (!(pixels >= 1.0)) return 1;
  return static_cast<int>(std::min(pixels, static_cast<double>(kMaxFontPixels)));
}

}  // namespace corvane::gfx
