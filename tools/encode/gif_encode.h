#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/surface.h"

namespace corvane::gfx {

// Encodes a surface as a GIF file of one frame without transparency. A surface of at most 256
// colours keeps every pixel exactly; one with more is reduced to 256 colours by the codec's median
// cut. nullopt for an empty surface or when the encoder fails.
std::optional<std::vector<std::uint8_t>> EncodeGif(const Surface& surface);

}  // namespace corvane::gfx
