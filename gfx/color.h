#pragma once

#include <cstdint>

namespace corvane::gfx {

// A colour as the program names it: 24-bit RGB packed as 0x00BBGGRR.
using ColorRef = std::uint32_t;

// A pixel as a surface stores it: 0x00RRGGBB in one 32-bit word. On a little-endian machine the
// bytes in memory are B, G, R, unused, which is the layout of a 24-bit TrueColor X visual (red mask
// 0xFF0000), so a surface can be presented without conversion. Every API takes ColorRef; these two
// functions are the only place where the byte order changes.
using Pixel = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return ColorRef{r} | (ColorRef{g} << 8) | (ColorRef{b} << 16);
}
constexpr std::uint8_t RedOf(ColorRef c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(ColorRef c) { return (c >> 16) & 0xFF; }

constexpr Pixel ToPixel(ColorRef c) {
  return (Pixel{RedOf(c)} << 16) | (Pixel{GreenOf(c)} << 8) | Pixel{BlueOf(c)};
}
constexpr ColorRef ToColorRef(Pixel p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

}  // namespace corvane::gfx
