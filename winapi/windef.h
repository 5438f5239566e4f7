#pragma once

#include <cstdint>

namespace corvane::gfx {

// A device context handle: a 32-bit number that names a drawing target, as the program and the
// effect library pass it around. 0 names nothing.
using HDC = std::uint32_t;

}  // namespace corvane::gfx
