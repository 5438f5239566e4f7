#include "platform/api/gdi32.h"

#include <gtest/gtest.h>

#include "platform/api/user32.h"
#include "platform/fake/fake_capture_service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_window_service.h"
#include "platform/service.h"

namespace corvane::platform {
namespace {

// A surface of one colour, registered in the handle table for the test's lifetime.
struct Dc {
  Dc(int w, int h, gfx::ColorRef color) : surface(std::move(*gfx::Surface::Create(w, h))) {
    surface.Fill(color);
    hdc = gfx::DeviceContexts::Register(&surface);
  }
  ~Dc() { gfx::DeviceContexts::Release(hdc); }
  gfx::Surface surface;
  HDC hdc = 0;
};

class Gdi32Test : public ::testing::Test {
 protected:
  Gdi32Test() {
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 6; ++x) capture_.screen().Row(y)[x] = static_cast<gfx::Pixel>(y * 16 + x);
    }
  }
  fake::FakeEventLoop loop_;
  fake::FakeWindowService windows_{loop_};
  fake::FakeCaptureService capture_{std::move(*gfx::Surface::Create(6, 4))};
  ScopedService<WindowService> window_service_{windows_};
  ScopedService<CaptureService> capture_service_{capture_};
};

TEST_F(Gdi32Test, CopyingFromTheScreenFillsWhatLiesOnScreenWithTwipExtentsClipped) {
  Dc display(8, 3, gfx::Rgb(9, 9, 9));
  const HDC screen = GetDC(GetDesktopWindow());
  // Extents in twips, far beyond both surfaces, as the program passes them.
  EXPECT_EQ(BitBlt(display.hdc, 0, 0, 8 * 15, 3 * 15, screen, 0, 0, kSrcCopy), 1);
  EXPECT_EQ(display.surface.Row(2)[5], 0x25u);
  EXPECT_EQ(display.surface.Row(2)[6], gfx::ToPixel(gfx::Rgb(9, 9, 9))) << "beyond the screen";
  ReleaseDC(GetDesktopWindow(), screen);
  display.surface.Fill(0);
  EXPECT_EQ(BitBlt(display.hdc, 0, 0, 8, 3, screen, 0, 0, kSrcCopy), 0) << "released";
  EXPECT_EQ(display.surface.Row(0)[1], 0u);

  // A failed capture leaves the destination as it was.
  capture_.set_fail(true);
  const HDC again = GetDC(GetDesktopWindow());
  EXPECT_EQ(BitBlt(display.hdc, 0, 0, 8, 3, again, 0, 0, kSrcCopy), 0);
  ReleaseDC(GetDesktopWindow(), again);
  EXPECT_EQ(display.surface.Row(2)[5], 0u);
}

TEST_F(Gdi32Test, SurfaceCopiesNeedLiveHandlesAndOnlySourceCopy) {
  Dc dst(4, 4, gfx::Rgb(0, 0, 0));
  Dc src(2, 2, gfx::Rgb(255, 0, 0));
  struct Case {
    HDC d;
    HDC s;
    std::uint32_t rop;
    int result;
  };
  for (const Case& c : {Case{dst.hdc, src.hdc, kSrcCopy, 1}, Case{dst.hdc, src.hdc, 0x00EE0086, 0},
                        Case{0, src.hdc, kSrcCopy, 0}, Case{dst.hdc, 0x7777777, kSrcCopy, 0}}) {
    EXPECT_EQ(BitBlt(c.d, 1, 1, 2, 2, c.s, 0, 0, c.rop), c.result);
  }
  EXPECT_EQ(dst.surface.Row(2)[2], 0x00FF0000u);
}

TEST_F(Gdi32Test, ShapesUseTheDefaultPenAndBrushOfTheirContext) {
  Dc dc(6, 6, gfx::Rgb(0, 0, 0));
  EXPECT_EQ(Rectangle(dc.hdc, 0, 0, 3, 3), 1);
  EXPECT_EQ(GetPixel(dc.hdc, 0, 0), gfx::Rgb(0, 0, 0)) << "default pen: black";
  EXPECT_EQ(GetPixel(dc.hdc, 1, 1), gfx::Rgb(255, 255, 255)) << "default brush: white";
  EXPECT_EQ(RoundRect(dc.hdc, 2, 2, 6, 6, 0, 0), 1);
  EXPECT_EQ(GetPixel(dc.hdc, 3, 3), gfx::Rgb(255, 255, 255));
  EXPECT_EQ(GetPixel(0x7777777, 0, 0), gfx::kInvalidColor);
  EXPECT_EQ(Rectangle(0x7777777, 0, 0, 1, 1), 0);
}

}  // namespace
}  // namespace corvane::platform
