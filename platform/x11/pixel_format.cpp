#include "platform/x11/pixel_format.h"

#include <bit>
#include <cstddef>

namespace corvane::platform::x11 {

namespace {
// Scales an 8-bit channel into the bits of mask and back.
unsigned long ToMask(unsigned channel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const unsigned long max = mask >> shift;
  return ((channel * max + 127) / 255) << shift;
}
unsigned FromMask(unsigned long value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const unsigned long max = mask >> shift;
  return static_cast<unsigned>((((value & mask) >> shift) * 255 + max / 2) / max);
}
}  // namespace

bool MatchesSurfaceLayout(const XImage& image, const Visual& visual) {
  const bool host_lsb = std::endian::native == std::endian::little;
  return image.bits_per_pixel == 32 && visual.red_mask == 0xFF0000 &&
         visual.green_mask == 0x00FF00 && visual.blue_mask == 0x0000FF &&
         (image.byte_order == LSBFirst) == host_lsb;
}

unsigned long PixelToX(gfx::Pixel pixel, const Visual& visual) {
  return ToMask((pixel >> 16) & 0xFF, visual.red_mask) |
         ToMask((pixel >> 8) & 0xFF, visual.green_mask) | ToMask(pixel & 0xFF, visual.blue_mask);
}

gfx::Pixel PixelFromX(unsigned long value, const Visual& visual) {
  return (FromMask(value, visual.red_mask) << 16) | (FromMask(value, visual.green_mask) << 8) |
         FromMask(value, visual.blue_mask);
}

void CopyRowFromX(XImage& image, int row, int width, const Visual& visual,
                  gfx::Pixel* destination) {
  if (MatchesSurfaceLayout(image, visual)) {
    const auto* source = reinterpret_cast<const gfx::Pixel*>(
        image.data + static_cast<std::size_t>(row) * image.bytes_per_line);
    for (int i = 0; i < width; ++i) destination[i] = source[i] & 0x00FFFFFF;
    return;
  }
  for (int i = 0; i < width; ++i) destination[i] = PixelFromX(XGetPixel(&image, i, row), visual);
}

}  // namespace corvane::platform::x11
