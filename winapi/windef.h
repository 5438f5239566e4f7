#pragma once

#include <cstdint>

namespace corvane::gfx {

// A device context handle: a 32-bit number that names a drawing target, as the program and the
// effect library pass it around. 0 names nothing.
using HDC = std::uint32_t;

// A bitmap or another drawing object, as SelectObject takes and returns it; 0 names none.
using HGDIOBJ = std::uint32_t;
using HBITMAP = HGDIOBJ;

}  // namespace corvane::gfx
