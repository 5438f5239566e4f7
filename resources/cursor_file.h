#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "os/cursor.h"

namespace corvane {

// A 32 x 32 two-colour pointer as a cursor file, the form Windows' resource tools keep pointers in:
// one picture of one bit a pixel (colour 0 black, colour 1 white) followed by its mask, rows from
// the bottom up. A mask bit of 1 keeps the screen's pixel. Every byte before the rows is fixed but
// the hot spot's, so reading a file is comparing it with this header.
namespace cursor_file {

// The hot spot's x and y, 16 bits each, least significant byte first.
inline constexpr std::size_t kHotSpot = 10;
// The 32 colour rows, then the 32 mask rows, 4 bytes each.
inline constexpr std::size_t kRows = 70;
inline constexpr std::size_t kRowBytes = 4;
inline constexpr std::size_t kSize = kRows + 2 * 32 * kRowBytes;

// clang-format off
inline constexpr std::array<unsigned char, kRows> kHeader = {
    0, 0, 2, 0, 1, 0,                                 // a cursor file of one picture
    32, 32, 2, 0, 0, 0, 0, 0,                         // 32 x 32, two colours; the hot spot
    0x30, 1, 0, 0, 22, 0, 0, 0,                       // the picture's 304 bytes from byte 22
    40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0,            // 32 wide, 64 high: colours, then mask
    1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,               // one plane, one bit a pixel, uncompressed
    0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,   // no resolution; two colours, both used
    0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,                  // black, white
};
// clang-format on

}  // namespace cursor_file

// The pointer in a file of that layout; nullopt for any other file, and for one whose hot spot
// lies outside the pointer or that inverts the screen somewhere, which a CustomCursor cannot.
std::optional<platform::CustomCursor> DecodeCursorFile(std::span<const unsigned char> file);

}  // namespace corvane
