#pragma once

#include <gtest/gtest.h>

#include "os/font_loader.h"
#include "os/service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_font_loader.h"
#include "platform/fake/fake_window_service.h"

namespace corvane::platform {

// Forms on offscreen windows, a fake clock and box-glyph fonts; 1024 x 768 at 96 dpi unless a
// test says otherwise.
class FormsTest : public ::testing::Test {
 protected:
  // What the screen shows at a point, as 0x00RRGGBB.
  gfx::Pixel ScreenAt(int x, int y) { return windows_.ScreenPixel(Point{x, y}).value_or(0xDEAD); }

  fake::FakeEventLoop loop_;
  fake::FakeWindowService windows_{loop_};
  gfx::FakeFontLoader fonts_;
  ScopedService<EventLoop> loop_service_{loop_};
  ScopedService<WindowService> window_service_{windows_};
  ScopedService<gfx::FontLoader> font_service_{fonts_};
};

inline gfx::Surface SolidSurface(int width, int height, gfx::ColorRef color) {
  gfx::Surface surface = std::move(*gfx::Surface::Create(width, height));
  surface.Fill(color);
  return surface;
}

}  // namespace corvane::platform
