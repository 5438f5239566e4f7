// The library's rendering must give the same bytes as the plain one in metallic_reference.cpp for
// every input: every phase, every metal, relief in and out of range, widths around the vector size
// (where the last group of eight overlaps the one before), heights of one and two rows (where the
// rows above and below are the row itself), and strips tall enough for the highlight's cut lines.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "effect/metallic_kernel.h"
#include "tests/effect/metallic_reference.h"

namespace corvane {
namespace {

struct Size {
  int width, height;
};

constexpr Size kSizes[] = {{1, 1},   {1, 6},  {2, 2},   {7, 3},    {8, 1},
                           {8, 9},   {9, 4},  {15, 2},  {16, 5},   {17, 17},
                           {23, 40}, {64, 3}, {100, 7}, {171, 30}, {213, 11}};
constexpr int kReliefs[] = {-5, 0, 1, 3, 4, 9, 16, 17, 1000};

std::uint32_t Next(std::uint32_t& seed) {
  seed = seed * 1664525u + 1013904223u;
  return seed;
}

// Whole 32-bit words, so that the unused top byte is never zero and must be ignored.
std::vector<std::uint32_t> Noise(std::size_t count, std::uint32_t seed) {
  std::vector<std::uint32_t> pixels(count);
  for (auto& p : pixels) p = Next(seed) ^ Next(seed) << 13;
  return pixels;
}

// Black and white only: the steepest edges, which drive the relief far past both ends of the
// palette.
std::vector<std::uint32_t> BlackAndWhite(std::size_t count, std::uint32_t seed) {
  std::vector<std::uint32_t> pixels(count);
  for (auto& p : pixels) p = (Next(seed) >> 16 & 1) != 0 ? 0xFFFFFFu : 0u;
  return pixels;
}

struct Rendered {
  std::vector<std::uint32_t> library, reference;
};

Rendered RenderBoth(std::vector<std::uint32_t> source, Size size, MetallicLook look) {
  Rendered out{std::vector<std::uint32_t>(source.size()),
               std::vector<std::uint32_t>(source.size())};
  const PixelRows from{source.data(), size.width, size.height, size.width * 4};
  RenderMetallic(from, PixelRows{out.library.data(), size.width, size.height, size.width * 4},
                 look);
  reference::RenderMetallic(
      from, PixelRows{out.reference.data(), size.width, size.height, size.width * 4}, look);
  return out;
}

std::string Describe(Size size, const MetallicLook& look) {
  return std::to_string(size.width) + "x" + std::to_string(size.height) + " phase " +
         std::to_string(look.phase) + " metal " + std::to_string(static_cast<int>(look.metal)) +
         " relief " + std::to_string(look.relief);
}

TEST(MetallicRows, MatchTheReferenceOnNoiseForEveryPhaseAndMetal) {
  int case_number = 0;
  for (int phase = 0; phase < 256; ++phase) {
    for (Metal metal : {Metal::kSteel, Metal::kGold, Metal::kCopper}) {
      const Size size = kSizes[case_number % std::size(kSizes)];
      const MetallicLook look{kReliefs[case_number % std::size(kReliefs)], phase, metal};
      const auto count = static_cast<std::size_t>(size.width) * size.height;
      const Rendered out = RenderBoth(Noise(count, 1000u + case_number), size, look);
      ASSERT_EQ(out.library, out.reference) << Describe(size, look);
      ++case_number;
    }
  }
}

TEST(MetallicRows, MatchTheReferenceWhereTheLevelsClamp) {
  int case_number = 0;
  for (const Size size : kSizes) {
    for (int relief : {16, 1000}) {
      for (Metal metal : {Metal::kSteel, Metal::kGold, Metal::kCopper}) {
        const MetallicLook look{relief, 37 * case_number, metal};
        const auto count = static_cast<std::size_t>(size.width) * size.height;
        const Rendered out = RenderBoth(BlackAndWhite(count, 7u + case_number), size, look);
        ASSERT_EQ(out.library, out.reference) << Describe(size, look);
        ++case_number;
      }
    }
  }
}

// Tall strips put the highlight anywhere in the train of bands, its cut lines included; phases
// outside 0..255 must act modulo 256 in both.
TEST(MetallicRows, MatchTheReferenceOnTallStrips) {
  const struct {
    Size size;
    MetallicLook look;
  } cases[] = {
      {{171, 1080}, {4, 0, Metal::kSteel}},      {{171, 1080}, {4, 131, Metal::kGold}},
      {{213, 700}, {4, 255, Metal::kCopper}},    {{213, 700}, {2, -1, Metal::kSteel}},
      {{41, 520}, {16, 256 + 90, Metal::kGold}}, {{12, 300}, {4, 1000, Metal::kCopper}},
  };
  for (const auto& c : cases) {
    const auto count = static_cast<std::size_t>(c.size.width) * c.size.height;
    const Rendered out = RenderBoth(Noise(count, 99u), c.size, c.look);
    ASSERT_EQ(out.library, out.reference) << Describe(c.size, c.look);
  }
}

// Rendering in place over padded rows: the library reads the last row after starting to overwrite
// the strip, and must still use its original pixels.
TEST(MetallicRows, MatchTheReferenceInPlaceOverPaddedRows) {
  for (const Size size : {Size{5, 4}, Size{13, 9}, Size{171, 40}}) {
    const int stride = size.width + 3;
    const auto count = static_cast<std::size_t>(size.width) * size.height;
    const auto compact = Noise(count, 5u);
    const MetallicLook look{4, 200, Metal::kGold};
    std::vector<std::uint32_t> expected(count);
    auto source = compact;
    reference::RenderMetallic(PixelRows{source.data(), size.width, size.height, size.width * 4},
                              PixelRows{expected.data(), size.width, size.height, size.width * 4},
                              look);
    std::vector<std::uint32_t> padded(static_cast<std::size_t>(stride) * size.height, 0xC0FFEE);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) padded[y * stride + x] = compact[y * size.width + x];
    }
    const PixelRows rows{padded.data(), size.width, size.height, stride * 4};
    RenderMetallic(rows, rows, look);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < stride; ++x) {
        const std::uint32_t want = x < size.width ? expected[y * size.width + x] : 0xC0FFEEu;
        ASSERT_EQ(padded[y * stride + x], want)
            << size.width << "x" << size.height << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace corvane
