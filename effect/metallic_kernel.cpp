#include "effect/metallic_kernel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "effect/metallic_rows.h"

namespace corvane {

namespace {

// A brightness at which the palette takes a given colour; the palette runs linearly between knots.
struct Knot {
  int level;
  int r, g, b;
};

constexpr Knot kSteel[] = {{0, 10, 12, 16},      {56, 46, 52, 62},     {120, 112, 121, 134},
                           {184, 170, 179, 192}, {228, 212, 220, 230}, {255, 255, 255, 255}};
constexpr Knot kGold[] = {{0, 26, 14, 2},      {56, 102, 62, 12},    {120, 190, 136, 38},
                          {184, 238, 198, 88}, {228, 255, 236, 166}, {255, 255, 253, 232}};
constexpr Knot kCopper[] = {{0, 22, 7, 4},        {56, 100, 38, 20},    {120, 182, 94, 58},
                            {184, 230, 156, 114}, {228, 252, 210, 182}, {255, 255, 246, 236}};

constexpr int Lerp(int a, int b, int num, int den) { return a + ((b - a) * num + den / 2) / den; }

// Worked out at compile time, so that a frame does not spend its first microseconds on them.
constexpr std::array<std::uint32_t, 256> BuildPalette(const Knot* knots) {
  std::array<std::uint32_t, 256> palette{};
  int k = 0;
  for (int level = 0; level < 256; ++level) {
    while (knots[k + 1].level < level) ++k;
    const Knot& a = knots[k];
    const Knot& b = knots[k + 1];
    const int num = level - a.level;
    const int den = b.level - a.level;
    const auto r = static_cast<std::uint32_t>(Lerp(a.r, b.r, num, den));
    const auto g = static_cast<std::uint32_t>(Lerp(a.g, b.g, num, den));
    const auto bl = static_cast<std::uint32_t>(Lerp(a.b, b.b, num, den));
    palette[static_cast<std::size_t>(level)] = r << 16 | g << 8 | bl;
  }
  return palette;
}

constexpr std::array<std::uint32_t, 256> kSteelPalette = BuildPalette(kSteel);
constexpr std::array<std::uint32_t, 256> kGoldPalette = BuildPalette(kGold);
constexpr std::array<std::uint32_t, 256> kCopperPalette = BuildPalette(kCopper);

const std::array<std::uint32_t, 256>& PaletteOf(Metal metal) {
  switch (metal) {
    case Metal::kGold:
      return kGoldPalette;
    case Metal::kCopper:
      return kCopperPalette;
    case Metal::kSteel:
      break;
  }
  return kSteelPalette;
}

// Brightness terms are kept within these bounds so that all per-pixel arithmetic fits in 16 bits,
// which lets the row loops process eight pixels per instruction.
constexpr int kMaxRelief = 16;

// The travelling highlight: a broad glow with a narrow glint at its centre, slanted across the
// strip so that it reads as light sliding over a polished bar rather than a stripe painted on it.
constexpr int kGlowHalfWidth = 150;
constexpr int kGlowShift = 8;  // peak 150 * 150 >> 8 = 87
constexpr int kGlintHalfWidth = 22;
constexpr int kGlintShift = 2;  // peak 22 * 22 >> 2 = 121
// The band rises one pixel per two columns. Its profile is tabulated along the diagonal in half
// pixels, so that each row reads its highlight as one contiguous run of that table.
constexpr int kSlantDivisor = 2;

metallic::ToneShape ShapeOf(Metal metal) {
  switch (metal) {
    case Metal::kGold:
      return {2, 2};
    case Metal::kCopper:
      return {2, 1};
    case Metal::kSteel:
      break;
  }
  return {3, 1};
}

// A polished bar is lit most a third of the way in from its left edge and falls off towards both
// edges, as a cylinder does under light from the upper left. Integer arithmetic keeps the output
// the same on every machine.
std::vector<std::int16_t> ColumnLight(int width) {
  std::vector<std::int16_t> light(static_cast<std::size_t>(width));
  const int span = std::max(width - 1, 1);
  for (int x = 0; x < width; ++x) {
    // t runs from -1024 at the left edge to +1024 at the right, with the brightest line at -340.
    const int t = (2 * x - (width - 1)) * 1024 / span;
    const int from_peak = t + 340;
    const int reach = from_peak < 0 ? 684 : 1364;
    const int q = std::min(std::abs(from_peak) * 1024 / reach, 1024);
    light[static_cast<std::size_t>(x)] = static_cast<std::int16_t>(28 - (q * q * 64 >> 20));
  }
  return light;
}

// The highlight's brightness along the diagonal, in half pixels: entry zero + d holds the sheen at
// diagonal distance d from the band's centre line, a broad glow with a narrow glint in its middle.
// The zero ends are long enough that a row of the strip far from the band reads only zeros.
struct Sheen {
  int zero;
  std::vector<std::int16_t> table;
};

Sheen SheenTable(int width) {
  Sheen sheen{2 * kGlowHalfWidth + width, {}};
  sheen.table.resize(static_cast<std::size_t>(2 * sheen.zero + width));
  for (std::size_t i = 0; i < sheen.table.size(); ++i) {
    const int d = std::abs(static_cast<int>(i) - sheen.zero);
    const int glow = std::max(2 * kGlowHalfWidth - d, 0);
    const int glint = std::max(2 * kGlintHalfWidth - d, 0);
    sheen.table[i] = static_cast<std::int16_t>((glow * glow >> (kGlowShift + 2)) +
                                               (glint * glint >> (kGlintShift + 2)));
  }
  return sheen;
}

}  // namespace

std::array<std::uint32_t, 256> MetalPalette(Metal metal) { return PaletteOf(metal); }

void RenderMetallic(const PixelRows& source, const PixelRows& destination, const MetallicLook& look,
                    metallic::RowPath path) {
  const int width = source.width;
  const int height = source.height;
  const int phase = look.phase & 255;
  const std::array<std::uint32_t, 256>& palette = PaletteOf(look.metal);
  const std::vector<std::int16_t> column_light = ColumnLight(width);
  const Sheen sheen = SheenTable(width);

  // Three padded luminance rows, used round-robin.
  const auto padded = static_cast<std::size_t>(width) + 2;
  std::vector<std::int16_t> luma(padded * 3);
  std::int16_t* rows[3] = {luma.data(), luma.data() + padded, luma.data() + 2 * padded};
  // The row below the last is the last row again, copied because rendering in place overwrites it
  // while it is still being read.
  const std::vector<std::uint32_t> last_row(source.Row(height - 1), source.Row(height - 1) + width);

  metallic::RowInputs in{};
  in.column_light = column_light.data();
  in.relief = std::clamp(look.relief, 0, kMaxRelief);
  in.shape = ShapeOf(look.metal);
  // The tone curve sways a quarter period out and back over one cycle of the phase: the reflections
  // slide across the picture, without whole areas flashing from dark to bright, and phase 255 runs
  // on into phase 0 without a jump.
  in.tone_shift = phase * (256 - phase) >> 7;

  // The highlight is one of a train of bands, period rows apart, whose centre lines run through
  // (0, centre + k * period) and rise to the right. The train moves down one period per cycle of
  // the phase, so phase 255 runs on into phase 0 and every phase puts the band somewhere else. The
  // period leaves room for a whole band between two cut lines (see below) and, on a tall strip,
  // keeps one band in sight at all times.
  const int slant = (width - 1) / kSlantDivisor;
  const int period = std::max(height + kGlowHalfWidth, 2 * (kGlowHalfWidth + slant + 1));
  // In half pixels, so that the band glides rather than stepping by one and two rows in turn.
  const int centre_half = phase * 2 * period / 256;
  metallic::LumaRow(source.Row(0), rows[1], width);
  std::copy_n(rows[1], padded, rows[0]);
  // No row is asked for ahead of its turn: in a running saver, where each row of the strip is in a
  // page of its own, prefetches of the rows below queued behind this row's misses and made a frame
  // slower, not faster.
  for (int y = 0; y < height; ++y) {
    in.up = rows[(y + 0) % 3];
    in.mid = rows[(y + 1) % 3];
    in.down = rows[(y + 2) % 3];
    in.below = y + 1 < height ? source.Row(y + 1) : last_row.data();
    // Column x of this row lies r + x half pixels from the centre line of the nearest band, where
    // r is the row's offset from it in half pixels, taken within half a period. The row of a cut
    // line, half a period from two bands, is out of reach of both, so the cut never shows.
    int r = (2 * y - centre_half) % (2 * period);
    if (r < 0) r += 2 * period;
    if (r >= period) r -= 2 * period;
    const int start = std::clamp(sheen.zero + r, 0, 2 * sheen.zero);
    in.sheen = sheen.table.data() + start;
    metallic::RenderRow(in, palette.data(), destination.Row(y), width, path);
  }
}

}  // namespace corvane
