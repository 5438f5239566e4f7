#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "gfx/surface.h"

namespace corvane::gfx::test {

// A surface whose every pixel differs from every other one and from 0, so that a pixel copied from
// the wrong place, or not copied, shows.
inline Surface Patterned(int width, int height, Pixel base) {
  Surface surface = *Surface::Create(width, height);
  for (int i = 0; i < width * height; ++i) surface.Row(i / width)[i % width] = base + Pixel(i);
  return surface;
}

inline Surface Filled(int width, int height, ColorRef color) {
  Surface surface = *Surface::Create(width, height);
  surface.Fill(color);
  return surface;
}

// All pixels, row after row.
inline std::vector<Pixel> PixelsOf(const Surface& surface) {
  std::vector<Pixel> pixels;
  for (int y = 0; y < surface.height(); ++y) {
    pixels.insert(pixels.end(), surface.Row(y), surface.Row(y) + surface.width());
  }
  return pixels;
}

// What copying the block at (x, y) of width x height from the source block at (src_x, src_y) of
// src_width x src_height must give, one destination pixel at a time with no clipping arithmetic,
// and whether any pixel was copied.
inline std::pair<std::vector<Pixel>, bool> ReferenceStretch(const Surface& dst, int x, int y,
                                                            int width, int height,
                                                            const Surface& src, int src_x,
                                                            int src_y, int src_width,
                                                            int src_height) {
  std::vector<Pixel> expected = PixelsOf(dst);
  bool copied = false;
  for (int py = 0; py < dst.height(); ++py) {
    for (int px = 0; px < dst.width(); ++px) {
      const std::int64_t i = std::int64_t{px} - x, j = std::int64_t{py} - y;
      if (i < 0 || j < 0 || i >= width || j >= height) continue;
      const std::int64_t sx = src_x + i * src_width / width, sy = src_y + j * src_height / height;
      if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) continue;
      expected[static_cast<std::size_t>(py * dst.width() + px)] = src.Row(static_cast<int>(sy))[sx];
      copied = true;
    }
  }
  return {expected, copied};
}

}  // namespace corvane::gfx::test
