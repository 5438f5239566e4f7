#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/surface.h"

namespace corvane::gfx::test {

// A surface whose every pixel differs from every other one and from 0, so that a pixel copied from
// the wrong place, or not copied, shows.
inline Surface Patterned(int width, int height, Pixel base) {
  auto surface = Surface::Create(width, height);
  EXPECT_TRUE(surface.has_value());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) surface->Row(y)[x] = base + static_cast<Pixel>(y * width + x);
  }
  return std::move(*surface);
}

inline Surface Filled(int width, int height, ColorRef color) {
  auto surface = Surface::Create(width, height);
  EXPECT_TRUE(surface.has_value());
  surface->Fill(color);
  return std::move(*surface);
}

// All pixels, row after row.
inline std::vector<Pixel> PixelsOf(const Surface& surface) {
  std::vector<Pixel> pixels;
  for (int y = 0; y < surface.height(); ++y) {
    pixels.insert(pixels.end(), surface.Row(y), surface.Row(y) + surface.width());
  }
  return pixels;
}

// One character per pixel, one line per row, by a map from colour to character ('?' for others),
// so that expected shapes can be written as pictures.
inline std::string Picture(const Surface& surface,
                           const std::vector<std::pair<ColorRef, char>>& legend) {
  std::string text;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      char c = '?';
      for (const auto& [color, mark] : legend) {
        if (ToPixel(color) == surface.Row(y)[x]) c = mark;
      }
      text += c;
    }
    text += '\n';
  }
  return text;
}

}  // namespace corvane::gfx::test
