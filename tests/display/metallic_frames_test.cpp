#include <gtest/gtest.h>

#include <string>

#include "effect/metallic_kernel.h"
#include "tests/display/display_fixture.h"

namespace corvane::display_test {
namespace {

PixelRows RowsOf(gfx::Surface& surface) {
  return PixelRows{surface.Row(0), surface.width(), surface.height(), surface.pitch()};
}

// The library's rendering behind the entry point, on whatever the handles draw on now.
std::int32_t MetallicEffect(std::uint32_t destination, std::uint32_t source, std::int32_t relief,
                            std::int32_t phase, std::int32_t variant, std::int32_t* result) {
  gfx::Surface* to = gfx::DeviceContexts::Lookup(destination);
  gfx::Surface* from = gfx::DeviceContexts::Lookup(source);
  RenderMetallic(RowsOf(*from), RowsOf(*to), {relief, phase, static_cast<Metal>(variant)});
  *result = 0;
  return 0;
}

// The effect reads each pixel's neighbours, so the columns of the raw strip beyond the screen's
// edges show in the frame's edge columns. Every frame of two round trips must be what copying the
// capture into the strip, rendering it and copying it onto the capture gives, with the raw strip's
// columns beyond the capture keeping what they held.
TEST_F(DisplayTest, EachMetallicFrameIsWhatCopyingThroughTheStripsGives) {
  libraries_.Provide(std::string(kProgramFolder) + "/Corvane.dll",
                     {{"GPX_Metallic", reinterpret_cast<platform::FARPROC>(&MetallicEffect)}});
  constexpr int kWidth = 400;
  constexpr int kHeight = 3;
  constexpr int kStrip = 171;
  SetScreen(kWidth, kHeight, 96);
  Corvane_S& form = Load();
  gfx::Surface raw = *gfx::Surface::Create(kStrip, kHeight);
  gfx::Surface processed = *gfx::Surface::Create(kStrip, kHeight);
  for (int tick = 0; tick < 2 * (kWidth + kStrip) + 4; ++tick) {
    const int left = form.StripLeft;
    const auto metal = static_cast<Metal>(form.StripVariant);
    form.Timer3_Timer();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = std::max(0, -left); x < std::min(kStrip, kWidth - left); ++x) {
        raw.Row(y)[x] = Pattern(left + x, y);
      }
    }
    RenderMetallic(RowsOf(raw), RowsOf(processed), {4, form.StripPhase, metal});
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool in_strip = x >= left && x < left + kStrip;
        const gfx::Pixel expected = in_strip ? processed.Row(y)[x - left] : Pattern(x, y);
        ASSERT_EQ(Shown().Row(y)[x], expected)
            << "tick " << tick << ", strip at " << left << ", pixel (" << x << ", " << y << ")";
      }
    }
  }
}

}  // namespace
}  // namespace corvane::display_test
