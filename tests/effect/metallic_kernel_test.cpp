#include "effect/metallic_kernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace corvane {
namespace {

PixelRows Compact(std::vector<std::uint32_t>& pixels, int width, int height) {
  return PixelRows{pixels.data(), width, height, width * 4};
}

std::vector<std::uint32_t> Render(std::vector<std::uint32_t> source, int width, int height,
                                  MetallicLook look) {
  std::vector<std::uint32_t> out(source.size());
  RenderMetallic(Compact(source, width, height), Compact(out, width, height), look);
  return out;
}

int Brightness(std::uint32_t p) { return (p >> 16 & 0xFF) + 2 * (p >> 8 & 0xFF) + (p & 0xFF); }

TEST(MetalPalette, BrighterAllTheWayToTheHighlightAndDistinctInHue) {
  for (Metal metal : {Metal::kSteel, Metal::kGold, Metal::kCopper}) {
    const auto palette = MetalPalette(metal);
    for (int level = 1; level < 256; ++level) {
      EXPECT_GE(Brightness(palette[level]), Brightness(palette[level - 1]))
          << "metal " << static_cast<int>(metal) << " level " << level;
      if (level >= 8) {
        EXPECT_GT(Brightness(palette[level]), Brightness(palette[level - 8]))
            << "metal " << static_cast<int>(metal) << " level " << level;
      }
    }
    EXPECT_EQ(palette[0] >> 24, 0u);
    EXPECT_GE(Brightness(palette[255]), 4 * 232) << "the highlight runs out to near white";
  }
  const auto steel = MetalPalette(Metal::kSteel)[128];
  const auto gold = MetalPalette(Metal::kGold)[128];
  const auto copper = MetalPalette(Metal::kCopper)[128];
  auto red = [](std::uint32_t p) { return static_cast<int>(p >> 16 & 0xFF); };
  auto green = [](std::uint32_t p) { return static_cast<int>(p >> 8 & 0xFF); };
  auto blue = [](std::uint32_t p) { return static_cast<int>(p & 0xFF); };
  EXPECT_GE(blue(steel), red(steel)) << "steel is cool";
  EXPECT_GT(red(gold), blue(gold) + 100) << "gold is warm";
  EXPECT_GT(green(gold) * 100 / red(gold), green(copper) * 100 / red(copper) + 10)
      << "copper is redder than gold";
}

// The phase is a loop: the frame after 255 is phase 0, and the step between them must be no larger
// than any other step, or the strip would visibly jump once every cycle.
TEST(RenderMetallic, PhaseWrapsWithoutAJump) {
  const int width = 171;
  const int height = 300;
  // Gradients under hard-edged squares, so that every level of the palette is in use.
  std::vector<std::uint32_t> source(width * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t square = (x / 9 + y / 9) % 2 != 0 ? 0xFFu : 0u;
      source[y * width + x] = static_cast<std::uint32_t>(x * 255 / width) << 16 |
                              static_cast<std::uint32_t>(y * 255 / height) << 8 | square;
    }
  }
  auto largest_step = [&](int from, int to) {
    const auto a = Render(source, width, height, {4, from, Metal::kGold});
    const auto b = Render(source, width, height, {4, to, Metal::kGold});
    int step = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
      step = std::max(step, std::abs(Brightness(a[i]) - Brightness(b[i])));
    }
    return step;
  };
  int largest = 0;
  for (int phase = 0; phase < 255; ++phase) {
    largest = std::max(largest, largest_step(phase, phase + 1));
  }
  EXPECT_LE(largest_step(255, 0), largest);
  EXPECT_EQ(Render(source, width, height, {4, 256, Metal::kGold}),
            Render(source, width, height, {4, 0, Metal::kGold}));
}

// A vertical edge from dark to light: the relief acts on the two columns beside the edge and
// nowhere else, and darkens them (the edge faces away from the light at the upper left).
TEST(RenderMetallic, ReliefActsOnlyBesideEdges) {
  const int width = 20;
  const int height = 6;
  std::vector<std::uint32_t> source(width * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) source[y * width + x] = x < 10 ? 0x404040 : 0xC0C0C0;
  }
  const auto flat = Render(source, width, height, {0, 0, Metal::kSteel});
  const auto embossed = Render(source, width, height, {16, 0, Metal::kSteel});
  const auto clamped = Render(source, width, height, {1000, 0, Metal::kSteel});
  EXPECT_EQ(clamped, embossed) << "relief above 16 acts as 16";
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t i = y * width + x;
      if (x == 9 || x == 10) {
        EXPECT_LT(Brightness(embossed[i]), Brightness(flat[i])) << x << "," << y;
      } else {
        EXPECT_EQ(embossed[i], flat[i]) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace corvane
