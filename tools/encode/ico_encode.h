#pragma once

#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace corvane::gfx {

// Encodes opaque pictures as one icon file, each a 32-bit image of its own size (at most 256
// pixels a side). Empty when there is no picture or one is too large.
std::vector<std::uint8_t> EncodeIcon(const std::vector<const Surface*>& pictures);

}  // namespace corvane::gfx
