#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/surface.h"

namespace corvane::gfx {

// Encodes a surface as a PNG file: 8-bit RGB, no alpha, not interlaced, so every pixel comes back
// exactly as it was. The unused top byte of each pixel is ignored. nullopt for an empty surface
// or when the encoder fails.
std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface);

}  // namespace corvane::gfx
