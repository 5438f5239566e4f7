#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/surface.h"

namespace corvane::gfx {

// Encodes a surface as a baseline JPEG file (JFIF, YCbCr 4:2:0) at a quality of 1 to 100 (values
// outside are clamped). nullopt for an empty surface or when the encoder fails.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Surface& surface, int quality);

}  // namespace corvane::gfx
