#pragma once

#include <cstdint>
#include <vector>

#include "os/cursor.h"

namespace corvane::gfx {

// Encodes a pointer as a cursor file (resources/cursor_file.h), which keeps its two colours, its
// mask and its hot spot exactly.
std::vector<std::uint8_t> EncodeCursor(const platform::CustomCursor& cursor);

}  // namespace corvane::gfx
