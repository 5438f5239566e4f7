#pragma once

#include <array>
#include <cstdint>

#include "effect/metallic_rows.h"

namespace corvane {

// Rows of 32-bit pixels 0x00RRGGBB, pitch_bytes apart, as the program's drawing services describe a
// bitmap. The effect works on these views only, so it can be tested and measured on plain memory.
struct PixelRows {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch_bytes = 0;

  std::uint32_t* Row(int y) const {
    return reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(pixels) +
                                            static_cast<std::ptrdiff_t>(y) * pitch_bytes);
  }
};

// The three metals a caller chooses by number.
enum class Metal { kSteel = 1, kGold = 2, kCopper = 3 };

// The colour of the metal at each brightness 0..255: deep shadow, body colour, then a highlight
// that runs out to near white, as light on polished metal does.
std::array<std::uint32_t, 256> MetalPalette(Metal metal);

// The look of one frame of the effect.
struct MetallicLook {
  int relief = 4;  // strength of the embossing from local gradients; clamped to 0..16
  int phase = 0;   // animation position; taken modulo 256, so the animation loops seamlessly
  Metal metal = Metal::kSteel;
};

// Renders source as polished metal into destination, which must have the same width and height
// (at least 1 each). Source and destination may be the same rows: each destination row is written
// only after the source rows it depends on have been read into working buffers. The output depends
// on the pixels and the look alone, whichever path renders the rows. May throw std::bad_alloc,
// before it writes any row.
void RenderMetallic(const PixelRows& source, const PixelRows& destination, const MetallicLook& look,
                    metallic::RowPath path = metallic::FastestRowPath());

}  // namespace corvane
