#pragma once

#include <gtest/gtest.h>

#include "tests/support/platform_test.h"

namespace corvane::platform {

// Forms on offscreen windows, a fake clock and box-glyph fonts; 1024 x 768 at 96 dpi unless a
// test says otherwise.
class FormsTest : public test_support::PlatformTest {
 protected:
  // What the screen shows at a point, as 0x00RRGGBB.
  gfx::Pixel ScreenAt(int x, int y) { return windows_.ScreenPixel(Point{x, y}).value_or(0xDEAD); }
};

inline gfx::Surface SolidSurface(int width, int height, gfx::ColorRef color) {
  gfx::Surface surface = std::move(*gfx::Surface::Create(width, height));
  surface.Fill(color);
  return surface;
}

}  // namespace corvane::platform
