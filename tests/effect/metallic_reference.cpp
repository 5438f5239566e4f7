// The metallic rendering as first written: one plain pass per stage, each loop left to the
// compiler. It is kept here, apart from the library, as the definition of the right bytes for the
// faster library code, which must match it exactly.
#include "tests/effect/metallic_reference.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace corvane::reference {

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

int Lerp(int a, int b, int num, int den) { return a + ((b - a) * num + den / 2) / den; }

// Brightness terms are kept within these bounds so that all per-pixel arithmetic fits in 16 bits,
// which lets the compiler process eight pixels per instruction.
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

// How the luminance maps into the periodic, chrome-like tone curve for each metal: the number of
// half periods over the range of luminance, and how much of the plain luminance is kept so that the
// picture under the metal stays readable.
struct ToneShape {
  int frequency;  // multiplier of luminance into the 512-step period
  int keep;       // quarters of plain luminance, the rest is the periodic curve
};

ToneShape ShapeOf(Metal metal) {
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

// Luminance as (R + 2G + B) / 4: close enough to perceived brightness for a tone curve, and free of
// multiplications. Written at out[1..width], with the edge pixels repeated at out[0] and
// out[width+1] so that the gradient needs no special case at the borders.
void LumaRow(const std::uint32_t* __restrict src, std::int16_t* __restrict out, int width) {
  for (int x = 0; x < width; ++x) {
    const std::uint32_t p = src[x];
    out[x + 1] =
        static_cast<std::int16_t>(((p >> 16 & 0xFF) + 2 * (p >> 8 & 0xFF) + (p & 0xFF)) >> 2);
  }
  out[0] = out[1];
  out[width + 1] = out[width];
}

struct RowInputs {
  const std::int16_t* up;   // luminance of the row above, padded
  const std::int16_t* mid;  // this row, padded
  const std::int16_t* down;
  const std::int16_t* column_light;  // shading of the bar across its width
  const std::int16_t* sheen;         // the travelling highlight along this row
  std::uint16_t tone_shift;
  std::int16_t relief;
  ToneShape shape;
};

// Brightness of each pixel of one row, 0..255. Each intermediate is narrowed to 16 bits as soon as
// it is formed; every value fits, and the narrowing is what lets the compiler keep eight pixels in
// one register instead of four.
void ShadeRow(const RowInputs& in, std::uint8_t* __restrict out, int width) {
  using I16 = std::int16_t;
  using U16 = std::uint16_t;
  const I16* __restrict up = in.up;
  const I16* __restrict mid = in.mid;
  const I16* __restrict down = in.down;
  const I16* __restrict column_light = in.column_light;
  const I16* __restrict sheen = in.sheen;
  const U16 tone_shift = in.tone_shift;
  const I16 relief = in.relief;
  const U16 frequency = in.shape.frequency;
  const U16 keep = in.shape.keep;
  const U16 spin = static_cast<U16>(4 - keep);
  for (int x = 0; x < width; ++x) {
    const auto luma = static_cast<U16>(mid[x + 1]);
    // One period of a parabola over 512 steps: smooth bright crests and sharp dark creases, the way
    // chrome mirrors a bright sky over a dark horizon. u * (511 - u) peaks at 65280.
    const auto u = static_cast<U16>((luma * frequency + tone_shift) & 511);
    const auto chrome = static_cast<U16>(static_cast<U16>(u * (511 - u)) >> 8);
    const auto tone = static_cast<I16>(static_cast<U16>(chrome * spin + luma * keep) >> 2);
    // Light from the upper left: rises facing it brighten, the far sides darken.
    const auto gradient = static_cast<I16>((up[x + 1] - down[x + 1]) + (mid[x] - mid[x + 2]));
    const auto emboss = static_cast<I16>(static_cast<I16>(gradient * relief) >> 3);
    const auto level = static_cast<I16>(tone + emboss + sheen[x] + column_light[x]);
    out[x] = static_cast<std::uint8_t>(std::clamp(level, I16{0}, I16{255}));
  }
}

void PaletteRow(const std::uint8_t* __restrict levels, const std::uint32_t* __restrict palette,
                std::uint32_t* __restrict dst, int width) {
  for (int x = 0; x < width; ++x) dst[x] = palette[levels[x]];
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

std::array<std::uint32_t, 256> Palette(Metal metal) {
  const Knot* knots = kSteel;
  switch (metal) {
    case Metal::kGold:
      knots = kGold;
      break;
    case Metal::kCopper:
      knots = kCopper;
      break;
    case Metal::kSteel:
      break;
  }
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

}  // namespace

void RenderMetallic(const PixelRows& source, const PixelRows& destination,
                    const MetallicLook& look) {
  const int width = source.width;
  const int height = source.height;
  const int phase = look.phase & 255;
  const std::array<std::uint32_t, 256> palette = Palette(look.metal);
  const std::vector<std::int16_t> column_light = ColumnLight(width);
  const Sheen sheen = SheenTable(width);

  // Three padded luminance rows, used round-robin.
  const auto padded = static_cast<std::size_t>(width) + 2;
  std::vector<std::int16_t> luma(padded * 3);
  std::int16_t* rows[3] = {luma.data(), luma.data() + padded, luma.data() + 2 * padded};
  std::vector<std::uint8_t> levels(static_cast<std::size_t>(width));

  RowInputs in{};
  in.column_light = column_light.data();
  in.relief = static_cast<std::int16_t>(std::clamp(look.relief, 0, kMaxRelief));
  in.shape = ShapeOf(look.metal);
  // The tone curve sways a quarter period out and back over one cycle of the phase: the reflections
  // slide across the picture, without whole areas flashing from dark to bright, and phase 255 runs
  // on into phase 0 without a jump.
  in.tone_shift = static_cast<std::uint16_t>(phase * (256 - phase) >> 7);

  // The highlight is one of a train of bands, period rows apart, whose centre lines run through
  // (0, centre + k * period) and rise to the right. The train moves down one period per cycle of
  // the phase, so phase 255 runs on into phase 0 and every phase puts the band somewhere else. The
  // period leaves room for a whole band between two cut lines (see below) and, on a tall strip,
  // keeps one band in sight at all times.
  const int slant = (width - 1) / kSlantDivisor;
  const int period = std::max(height + kGlowHalfWidth, 2 * (kGlowHalfWidth + slant + 1));
  // In half pixels, so that the band glides rather than stepping by one and two rows in turn.
  const int centre_half = phase * 2 * period / 256;
  LumaRow(source.Row(0), rows[1], width);
  std::copy_n(rows[1], padded, rows[0]);
  for (int y = 0; y < height; ++y) {
    std::int16_t* up = rows[(y + 0) % 3];
    std::int16_t* mid = rows[(y + 1) % 3];
    std::int16_t* down = rows[(y + 2) % 3];
    if (y + 1 < height) {
      LumaRow(source.Row(y + 1), down, width);
    } else {
      std::copy_n(mid, padded, down);
    }
    in.up = up;
    in.mid = mid;
    in.down = down;
    // Column x of this row lies r + x half pixels from the centre line of the nearest band, where
    // r is the row's offset from it in half pixels, taken within half a period. The row of a cut
    // line, half a period from two bands, is out of reach of both, so the cut never shows.
    int r = (2 * y - centre_half) % (2 * period);
    if (r < 0) r += 2 * period;
    if (r >= period) r -= 2 * period;
    const int start = std::clamp(sheen.zero + r, 0, 2 * sheen.zero);
    in.sheen = sheen.table.data() + start;
    ShadeRow(in, levels.data(), width);
    PaletteRow(levels.data(), palette.data(), destination.Row(y), width);
  }
}

}  // namespace corvane::reference
