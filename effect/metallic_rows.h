#pragma once

#include <cstdint>

namespace corvane::metallic {

// How the luminance maps into the periodic, chrome-like tone curve for each metal: the number of
// half periods over the range of luminance, and how much of the plain luminance is kept so that the
// picture under the metal stays readable.
struct ToneShape {
  int frequency;  // multiplier of luminance into the 512-step period, at most 3
  int keep;       // quarters of plain luminance, the rest is the periodic curve; 1 or 2
};

// Everything one destination row depends on. The luminance rows are padded: entry 0 and entry
// width + 1 repeat the edge pixels, so that the gradient needs no special case at the borders.
// The luminance of the row below is worked out while this row is rendered, so that those pixels
// are read once and their luminance is still in registers when the gradient needs it.
struct RowInputs {
  const std::int16_t* up;            // luminance of the row above, padded
  const std::int16_t* mid;           // this row, padded
  std::int16_t* down;                // receives the luminance of below, padded
  const std::uint32_t* below;        // the source row below this one
  const std::int16_t* column_light;  // shading of the bar across its width, -36..28
  const std::int16_t* sheen;         // the travelling highlight along this row, 0..208
  int tone_shift;                    // 0..128
  int relief;                        // 0..16
  ToneShape shape;
};

// Luminance as (R + 2G + B) / 4, written at out[1..width] with the padding entries filled in.
void LumaRow(const std::uint32_t* src, std::int16_t* out, int width);

// The ways a row can be rendered: one pixel at a time, or eight at a time with SSE2. Both give the
// same bytes.
enum class RowPath { kPerPixel, kSse2 };

// The fastest path the build has.
RowPath FastestRowPath();

// The finished row: each pixel's brightness, from the tone curve, the relief, the bar's shading and
// the highlight, clamped to 0..255 and looked up in the metal's palette. Fills in in.down on the
// way. dst may be the source row of mid, but not below. Rows too narrow for a path's vectors, and
// paths the build or the processor lacks, fall back to the next narrower path.
void RenderRow(const RowInputs& in, const std::uint32_t* palette, std::uint32_t* dst, int width,
               RowPath path = FastestRowPath());

}  // namespace corvane::metallic
