// The library's rendering must give the same bytes as the plain reference for every input: every
// phase and metal, relief in and out of range, widths around the vector size (where the last group
// of eight or sixteen overlaps the one before), heights of one and two rows, and strips tall enough
// for the highlight's cut lines; by every path.
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

constexpr Size kSizes[] = {{1, 1},  {1, 6},  {2, 2},   {7, 3},    {8, 1},   {8, 9},
                           {9, 4},  {15, 2}, {16, 5},  {17, 17},  {23, 40}, {31, 2},
                           {33, 3}, {64, 3}, {100, 7}, {171, 30}, {213, 11}};
constexpr int kReliefs[] = {-5, 0, 1, 3, 4, 9, 16, 17, 1000};
constexpr Metal kMetals[] = {Metal::kSteel, Metal::kGold, Metal::kCopper};

// Whole 32-bit words, so that the unused top byte is never zero and must be ignored; or black and
// white only, the steepest edges, which drive the relief far past both ends of the palette.
std::vector<std::uint32_t> Noise(Size size, std::uint32_t seed, bool black_and_white = false) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.width) * size.height);
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (auto& p : pixels)
    p = black_and_white ? ((next() >> 16 & 1) != 0 ? 0xFFFFFFu : 0u) : next() ^ next() << 13;
  return pixels;
}

PixelRows Rows(std::vector<std::uint32_t>& pixels, Size size, int stride) {
  return PixelRows{pixels.data(), size.width, size.height, stride * 4};
}

constexpr metallic::RowPath kPaths[] = {metallic::RowPath::kPerPixel, metallic::RowPath::kSse2};

// Renders source (compact rows) with the reference and with the library by each path this
// processor runs, and fails on the first difference.
::testing::AssertionResult MatchesReference(std::vector<std::uint32_t> source, Size size,
                                            MetallicLook look) {
  std::vector<std::uint32_t> reference(source.size());
  reference::RenderMetallic(Rows(source, size, size.width), Rows(reference, size, size.width),
                            look);
  for (const metallic::RowPath path : kPaths) {
    std::vector<std::uint32_t> library(source.size());
    RenderMetallic(Rows(source, size, size.width), Rows(library, size, size.width), look, path);
    if (library != reference) {
      return ::testing::AssertionFailure()
             << size.width << "x" << size.height << " phase " << look.phase << " metal "
             << static_cast<int>(look.metal) << " relief " << look.relief << " path "
             << static_cast<int>(path);
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(MetallicRows, MatchTheReferenceForEveryPhaseMetalAndSize) {
  int n = 0;
  for (int phase = 0; phase < 256; ++phase) {
    for (Metal metal : kMetals) {
      const Size size = kSizes[n % std::size(kSizes)];
      const MetallicLook look{kReliefs[n % std::size(kReliefs)], phase, metal};
      ASSERT_TRUE(MatchesReference(Noise(size, 1000u + n), size, look));
      ++n;
    }
  }
  // Where the levels clamp.
  for (const Size size : kSizes) {
    for (int relief : {16, 1000}) {
      for (Metal metal : kMetals) {
        ASSERT_TRUE(MatchesReference(Noise(size, 7u + n, true), size, {relief, 37 * n, metal}));
        ++n;
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
      {{171, 1080}, {4, 131, Metal::kGold}},
      {{213, 700}, {4, 255, Metal::kCopper}},
      {{213, 700}, {2, -1, Metal::kSteel}},
      {{41, 520}, {16, 256 + 90, Metal::kGold}},
  };
  for (const auto& c : cases) ASSERT_TRUE(MatchesReference(Noise(c.size, 99u), c.size, c.look));
}

// Padded rows, in place and between bitmaps of different pitches: the padding of the source is
// never read into the picture, the padding of the destination never written, and in place the
// library must still read the last row's original pixels after it has begun overwriting the strip.
TEST(MetallicRows, KeepToTheRowsOfPaddedBitmapsAndWorkInPlace) {
  const MetallicLook look{4, 200, Metal::kGold};
  for (const Size size : {Size{5, 4}, Size{13, 9}, Size{171, 40}}) {
    auto compact = Noise(size, 5u);
    std::vector<std::uint32_t> expected(compact.size());
    reference::RenderMetallic(Rows(compact, size, size.width), Rows(expected, size, size.width),
                              look);
    for (const bool in_place : {true, false}) {
      const int stride = size.width + 3;
      const int destination_stride = in_place ? stride : size.width + 1;
      std::vector<std::uint32_t> source(static_cast<std::size_t>(stride) * size.height, 0xC0FFEE);
      std::vector<std::uint32_t> separate(
          static_cast<std::size_t>(destination_stride) * size.height, 0x5A5A5A);
      for (int y = 0; y < size.height; ++y) {
        std::copy_n(&compact[y * size.width], size.width, &source[y * stride]);
      }
      std::vector<std::uint32_t>& destination = in_place ? source : separate;
      RenderMetallic(Rows(source, size, stride), Rows(destination, size, destination_stride), look);
      const std::uint32_t padding = in_place ? 0xC0FFEEu : 0x5A5A5Au;
      for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < destination_stride; ++x) {
          const std::uint32_t want = x < size.width ? expected[y * size.width + x] : padding;
          ASSERT_EQ(destination[y * destination_stride + x], want)
              << size.width << "x" << size.height << (in_place ? " in place" : "") << " at " << x
              << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace corvane
