#include "effect/metallic_rows.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
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

#if defined(__x86_64__)

// The AVX2 path, compiled for AVX2 function by function and run only where the processor has it:
// the same arithmetic as the SSE2 path on sixteen pixels, and the palette looked up by two gathers
// of eight.
#define CORVANE_AVX2 __attribute__((target("avx2"), always_inline)) inline

CORVANE_AVX2 __m256i Load16(const std::int16_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

CORVANE_AVX2 __m256i Splat16(int value) { return _mm256_set1_epi16(static_cast<short>(value)); }

// R + B + 2G of eight pixels, as eight 32-bit sums.
CORVANE_AVX2 __m256i LumaSumsOfEight(const std::uint32_t* src) {
  const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src));
  const __m256i halves =
      _mm256_add_epi32(_mm256_and_si256(p, _mm256_set1_epi32(0x00FF00FF)),
                       _mm256_and_si256(_mm256_srli_epi32(p, 7), _mm256_set1_epi32(0x1FE)));
  return _mm256_madd_epi16(halves, _mm256_set1_epi16(1));
}

// The luminance of sixteen pixels, in pixel order. The pack works within each 128-bit half, so the
// quarters are put back in order after it.
CORVANE_AVX2 __m256i LumaOfSixteen(const std::uint32_t* src) {
  const __m256i packed = _mm256_packs_epi32(LumaSumsOfEight(src), LumaSumsOfEight(src + 8));
  return _mm256_srli_epi16(_mm256_permute4x64_epi64(packed, 0xD8), 2);
}

__attribute__((target("avx2"))) void RenderRowAvx2(const RowInputs& in,
                                                   const std::uint32_t* palette, std::uint32_t* dst,
                                                   int width) {
  const __m256i frequency = Splat16(in.shape.frequency * 128);
  const __m256i tone_shift = Splat16(in.tone_shift * 128);
  const __m256i keep = Splat16(in.shape.keep);
  const __m256i spin = Splat16(4 - in.shape.keep);
  const __m256i relief = Splat16(in.relief);
  const __m256i twice_period = Splat16(1022);
  const __m256i zero = _mm256_setzero_si256();
  const __m256i top = Splat16(255);
  const auto palette_base = reinterpret_cast<const int*>(palette);
  const RowInputs row = in;
  const auto sixteen = [&](int x) __attribute__((target("avx2"), always_inline)) {
    const __m256i down = LumaOfSixteen(row.below + x);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row.down + x + 1), down);
    const __m256i luma = Load16(row.mid + x + 1);
    const __m256i u = _mm256_add_epi16(_mm256_mullo_epi16(luma, frequency), tone_shift);
    const __m256i chrome =
        _mm256_mulhi_epu16(u, _mm256_sub_epi16(twice_period, _mm256_srli_epi16(u, 6)));
    const __m256i tone = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(chrome, spin), _mm256_mullo_epi16(luma, keep)), 2);
    const __m256i gradient =
        _mm256_add_epi16(_mm256_sub_epi16(Load16(row.up + x + 1), down),
                         _mm256_sub_epi16(Load16(row.mid + x), Load16(row.mid + x + 2)));
    const __m256i emboss = _mm256_srai_epi16(_mm256_mullo_epi16(gradient, relief), 3);
    const __m256i light = _mm256_add_epi16(Load16(row.sheen + x), Load16(row.column_light + x));
    // The same clamp to 0..255 as the SSE2 path's saturating pack.
    const __m256i level = _mm256_min_epi16(
        _mm256_max_epi16(_mm256_add_epi16(_mm256_add_epi16(tone, emboss), light), zero), top);
    const __m256i low = _mm256_cvtepu16_epi32(_mm256_castsi256_si128(level));
    const __m256i high = _mm256_cvtepu16_epi32(_mm256_extracti128_si256(level, 1));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + x),
                        _mm256_i32gather_epi32(palette_base, low, 4));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + x + 8),
                        _mm256_i32gather_epi32(palette_base, high, 4));
  };
  // As in the SSE2 path, the last step overlaps the one before it when the width is not a
  // multiple of sixteen.
  int x = 0;
  for (; x < width - 16; x += 16) sixteen(x);
  sixteen(width - 16);
}

#undef CORVANE_AVX2

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
#if defined(__x86_64__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return RowPath::kAvx2;
#endif
#if defined(__SSE2__)
  return RowPath::kSse2;
#else
  return RowPath::kPerPixel;
#endif
}

void RenderRow(const RowInputs& in, const std::uint32_t* palette, std::uint32_t* dst, int width,
               RowPath path) {
#if defined(__x86_64__)
  if (path == RowPath::kAvx2 && width >= 16 && __builtin_cpu_supports("avx2")) {
    RenderRowAvx2(in, palette, dst, width);
    Pad(in.down, width);
    return;
  }
#endif
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
