#include "effect/metallic_rows.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane::metallic {

namespace {

// The per-pixel arithmetic, one pixel at a time. It handles whole rows where no SIMD path is
// compiled in, and rows narrower than one vector where one is; the SIMD path must give exactly
// these values. Every intermediate stays within 16 bits, which is what lets that path keep eight
// pixels in one register.
int LumaOf(std::uint32_t p) { return ((p >> 16 & 0xFF) + 2 * (p >> 8 & 0xFF) + (p & 0xFF)) >> 2; }

int LevelAt(const RowInputs& in, int x) {
  const int luma = in.mid[x + 1];
  // One period of a parabola over 512 steps: smooth bright crests and sharp dark creases, the way
  // chrome mirrors a bright sky over a dark horizon. u * (511 - u) peaks at 65280.
  const int u = (luma * in.shape.frequency + in.tone_shift) & 511;
  const int chrome = u * (511 - u) >> 8;
  const int tone = (chrome * (4 - in.shape.keep) + luma * in.shape.keep) >> 2;
  // Light from the upper left: rises facing it brighten, the far sides darken. The shift rounds
  // towards minus infinity, as the arithmetic shift of the SIMD path does.
  const int gradient = (in.up[x + 1] - in.down[x + 1]) + (in.mid[x] - in.mid[x + 2]);
  const int emboss = gradient * in.relief >> 3;
  return std::clamp(tone + emboss + in.sheen[x] + in.column_light[x], 0, 255);
}

void RenderRowPerPixel(const RowInputs& in, const std::uint32_t* palette, std::uint32_t* dst,
                       int width) {
  for (int x = 0; x < width; ++x) in.down[x + 1] = static_cast<std::int16_t>(LumaOf(in.below[x]));
  for (int x = 0; x < width; ++x) dst[x] = palette[LevelAt(in, x)];
}

#if defined(__SSE2__)

__m128i Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }

void Store(void* p, __m128i value) { _mm_storeu_si128(static_cast<__m128i*>(p), value); }

// Runs step over a row of at least eight pixels, eight at a time. When the width is not a multiple
// of eight the last step overlaps the one before it: recomputing a few pixels costs less than
// finishing the row one pixel at a time, and gives the same values. The step is called from two
// places and must be inlined into both, or each group of eight pays for a call.
template <typename Step>
void ForEachEight(int width, Step step) {
  int x = 0;
  for (; x < width - 8; x += 8) step(x);
  step(width - 8);
}

// The luminance of eight pixels. Each pixel's bytes are regrouped into two 16-bit halves, B + 2G
// below and R above, which one multiply-add then sums.
__m128i LumaOfEight(const std::uint32_t* src) {
  const __m128i blue_red = _mm_set1_epi32(0x00FF00FF);
  const __m128i green_twice = _mm_set1_epi32(0x1FE);
  const __m128i ones = _mm_set1_epi16(1);
  auto sum = [&](__m128i p) {
    const __m128i halves =
        _mm_add_epi32(_mm_and_si128(p, blue_red), _mm_and_si128(_mm_srli_epi32(p, 7), green_twice));
    return _mm_madd_epi16(halves, ones);
  };
  return _mm_srli_epi16(_mm_packs_epi32(sum(Load(src)), sum(Load(src + 4))), 2);
}

// Looks up eight brightness levels, 0..255 in the low eight bytes of levels, in the palette. The
// instruction set has no gather, so the indices go through general registers; the colours are
// gathered back into two vectors because two wide stores retire faster than eight narrow ones.
void StoreColours(__m128i levels, const std::uint32_t* palette, std::uint32_t* dst) {
  auto four = [&](std::uint32_t indices) {
    auto colour = [&](int byte) {
      return _mm_cvtsi32_si128(static_cast<int>(palette[indices >> (8 * byte) & 0xFF]));
    };
    return _mm_unpacklo_epi64(_mm_unpacklo_epi32(colour(0), colour(1)),
                              _mm_unpacklo_epi32(colour(2), colour(3)));
  };
  const auto low = static_cast<std::uint32_t>(_mm_cvtsi128_si32(levels));
  const auto high = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_epi64(levels, 32)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), four(low));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4), four(high));
}

// Needs at least eight pixels. The tone curve is worked in units of 1/128 of a step, where the
// 16-bit lanes wrap at exactly one period of 512 steps, so no mask is needed to stay within the
// period; and a high-half multiply of 128u by 2(511 - u) is u(511 - u) >> 8 in one instruction.
void RenderRowSse2(const RowInputs& in, const std::uint32_t* palette, std::uint32_t* dst,
                   int width) {
  auto splat = [](int value) { return _mm_set1_epi16(static_cast<short>(value)); };
  const __m128i frequency = splat(in.shape.frequency * 128);
  const __m128i tone_shift = splat(in.tone_shift * 128);
  const __m128i keep = splat(in.shape.keep);
  const __m128i spin = splat(4 - in.shape.keep);
  const __m128i relief = splat(in.relief);
  const __m128i twice_period = splat(1022);
  // A local copy: the stores may alias anything, which would otherwise make the compiler reload
  // every pointer from the inputs after each one.
  const RowInputs row = in;
  auto eight = [&](int x) __attribute__((always_inline)) {
    const __m128i down = LumaOfEight(row.below + x);
    Store(row.down + x + 1, down);
    const __m128i luma = Load(row.mid + x + 1);
    const __m128i u = _mm_add_epi16(_mm_mullo_epi16(luma, frequency), tone_shift);
    const __m128i chrome = _mm_mulhi_epu16(u, _mm_sub_epi16(twice_period, _mm_srli_epi16(u, 6)));
    const __m128i tone = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(chrome, spin), _mm_mullo_epi16(luma, keep)), 2);
    const __m128i gradient = _mm_add_epi16(_mm_sub_epi16(Load(row.up + x + 1), down),
                                           _mm_sub_epi16(Load(row.mid + x), Load(row.mid + x + 2)));
    const __m128i emboss = _mm_srai_epi16(_mm_mullo_epi16(gradient, relief), 3);
    const __m128i light = _mm_add_epi16(Load(row.sheen + x), Load(row.column_light + x));
    const __m128i level = _mm_add_epi16(_mm_add_epi16(tone, emboss), light);
    // Saturating to bytes is the clamp to 0..255.
    StoreColours(_mm_packus_epi16(level, level), palette, dst + x);
  };
  ForEachEight(width, eight);
}

#endif

void Pad(std::int16_t* luma, int width) {
  luma[0] = luma[1];
  luma[width + 1] = luma[width];
}

}  // namespace

void LumaRow(const std::uint32_t* src, std::int16_t* out, int width) {
  for (int x = 0; x < width; ++x) out[x + 1] = static_cast<std::int16_t>(LumaOf(src[x]));
  Pad(out, width);
}

RowPath FastestRowPath() {
#if defined(__SSE2__)
  return RowPath::kSse2;
#else
  return RowPath::kPerPixel;
#endif
}

void RenderRow(const RowInputs& in, const std::uint32_t* palette, std::uint32_t* dst, int width,
               RowPath path) {
#if defined(__SSE2__)
  if (path != RowPath::kPerPixel && width >= 8) {
    RenderRowSse2(in, palette, dst, width);
    Pad(in.down, width);
    return;
  }
#endif
  RenderRowPerPixel(in, palette, dst, width);
  Pad(in.down, width);
}

}  // namespace corvane::metallic
