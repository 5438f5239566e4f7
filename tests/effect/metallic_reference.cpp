// The metallic rendering written the slow and obvious way, one pixel at a time from its definition.
// The library's row loops, tables and 16-bit lanes must give exactly these bytes.
#include "tests/effect/metallic_reference.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace corvane::reference {
namespace {

// The palette runs linearly between six knots per metal, each a level, red, green and blue.
constexpr int kKnots[3][24] = {{0,   10,  12,  16,  56,  46,  52,  62,  120, 112, 121, 134,
                                184, 170, 179, 192, 228, 212, 220, 230, 255, 255, 255, 255},
                               {0,   26,  14,  2,  56,  102, 62,  12,  120, 190, 136, 38,
                                184, 238, 198, 88, 228, 255, 236, 166, 255, 255, 253, 232},
                               {0,   22,  7,   4,   56,  100, 38,  20,  120, 182, 94,  58,
                                184, 230, 156, 114, 228, 252, 210, 182, 255, 255, 246, 236}};

std::uint32_t PaletteColour(Metal metal, int level) {
  const int* knot = kKnots[metal == Metal::kGold ? 1 : metal == Metal::kCopper ? 2 : 0];
  while (knot[4] < level) knot += 4;
  const int num = level - knot[0];
  const int den = knot[4] - knot[0];
  std::uint32_t colour = 0;
  for (int c = 1; c <= 3; ++c) {
    const int value = knot[c] + ((knot[4 + c] - knot[c]) * num + den / 2) / den;
    colour = colour << 8 | static_cast<std::uint32_t>(value);
  }
  return colour;
}

// The bar's shading across its width: brightest a third of the way in, falling off to both edges.
int ColumnLight(int x, int width) {
  const int from_peak = (2 * x - (width - 1)) * 1024 / std::max(width - 1, 1) + 340;
  const int q = std::min(std::abs(from_peak) * 1024 / (from_peak < 0 ? 684 : 1364), 1024);
  return 28 - (q * q * 64 >> 20);
}

}  // namespace

void RenderMetallic(const PixelRows& source, const PixelRows& destination,
                    const MetallicLook& look) {
  const int width = source.width;
  const int height = source.height;
  // Luminance (R + 2G + B) / 4 of every pixel, read before anything is written.
  std::vector<int> luma(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = source.Row(y)[x];
      luma[static_cast<std::size_t>(y) * width + x] =
          static_cast<int>((p >> 16 & 0xFF) + 2 * (p >> 8 & 0xFF) + (p & 0xFF)) >> 2;
    }
  }
  // Neighbours beyond the edge are the edge pixels themselves.
  const auto at = [&](int x, int y) {
    return luma[static_cast<std::size_t>(std::clamp(y, 0, height - 1)) * width +
                std::clamp(x, 0, width - 1)];
  };
  const int phase = look.phase & 255;
  const int relief = std::clamp(look.relief, 0, 16);
  const int frequency = look.metal == Metal::kSteel ? 3 : 2;
  const int keep = look.metal == Metal::kGold ? 2 : 1;
  const int tone_shift = phase * (256 - phase) >> 7;
  // The highlight bands repeat every period rows and move down one period per cycle of the phase;
  // distances along the band's slant are in half pixels.
  const int period = std::max(height + 150, 2 * (150 + (width - 1) / 2 + 1));
  const int centre_half = phase * 2 * period / 256;
  std::vector<std::uint32_t> out(luma.size());
  for (int y = 0; y < height; ++y) {
    int r = (2 * y - centre_half) % (2 * period);
    if (r < 0) r += 2 * period;
    if (r >= period) r -= 2 * period;
    for (int x = 0; x < width; ++x) {
      const int l = at(x, y);
      const int u = (l * frequency + tone_shift) & 511;
      const int tone = ((u * (511 - u) >> 8) * (4 - keep) + l * keep) >> 2;
      const int gradient = at(x, y - 1) - at(x, y + 1) + at(x - 1, y) - at(x + 1, y);
      const int d = std::abs(r + x);
      const int glow = std::max(300 - d, 0);
      const int glint = std::max(44 - d, 0);
      const int sheen = (glow * glow >> 10) + (glint * glint >> 4);
      const int level = tone + (gradient * relief >> 3) + sheen + ColumnLight(x, width);
      out[static_cast<std::size_t>(y) * width + x] =
          PaletteColour(look.metal, std::clamp(level, 0, 255));
    }
  }
  for (int y = 0; y < height; ++y) {
    std::copy_n(out.begin() + static_cast<std::ptrdiff_t>(y) * width, width, destination.Row(y));
  }
}

}  // namespace corvane::reference
