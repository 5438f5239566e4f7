#include "resources/preview/metallic_strip.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/fake/fake_dynamic_libraries.h"
#include "platform/gfx/device_context.h"

namespace corvane {
namespace {

struct Call {
  int destination_width = 0;
  int destination_height = 0;
  gfx::Pixel source_first = 0;
  std::int32_t relief = 0, phase = 0, variant = 0;
};
Call last_call;
int calls = 0;

// Writes the complement of the source into the destination, so every rendered pixel changes.
std::int32_t Invert(std::uint32_t destination, std::uint32_t source, std::int32_t relief,
                    std::int32_t phase, std::int32_t variant, std::int32_t* result) {
  ++calls;
  gfx::Surface* to = gfx::DeviceContexts::Lookup(destination);
  const gfx::Surface* from = gfx::DeviceContexts::Lookup(source);
  last_call = {to->width(), to->height(), from->Row(0)[0], relief, phase, variant};
  for (int y = 0; y < from->height(); ++y) {
    for (int x = 0; x < from->width(); ++x) to->Row(y)[x] = ~from->Row(y)[x] & 0xFFFFFF;
  }
  *result = GPX_OK;
  return GPX_OK;
}

// Scribbles over the destination and then reports a failure, as a broken library might.
std::int32_t Fail(std::uint32_t destination, std::uint32_t, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t* result) {
  gfx::DeviceContexts::Lookup(destination)->Fill(gfx::Rgb(1, 2, 3));
  *result = GPX_ERROR_VARIANT;
  return GPX_ERROR_VARIANT;
}

class MetallicStripTest : public testing::Test {
 protected:
  platform::EffectLibrary Load(GPX_MetallicProc entry) {
    libraries_.Provide("/fx/Corvane.dll",
                       {{"GPX_Metallic", reinterpret_cast<platform::FARPROC>(entry)}});
    return *platform::EffectLibrary::Load("/fx/Corvane.dll");
  }

  // A 20 x 3 picture whose pixel values give their column.
  static gfx::Surface Picture() {
    gfx::Surface picture = *gfx::Surface::Create(20, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 20; ++x) picture.Row(y)[x] = static_cast<gfx::Pixel>(x * 10);
    }
    return picture;
  }

  platform::FakeDynamicLibraries libraries_;
  platform::ScopedService<platform::DynamicLibraries> service_{libraries_};
};

TEST_F(MetallicStripTest, RendersExactlyTheStripColumnsThatLieOnThePicture) {
  const platform::EffectLibrary effect = Load(&Invert);
  struct Case {
    int left, width;
    int first, last;  // the columns that must change, inclusive
  };
  const Case cases[] = {{5, 4, 5, 8}, {-3, 5, 0, 1}, {17, 10, 17, 19}, {0, 20, 0, 19}};
  for (const Case& c : cases) {
    gfx::Surface picture = Picture();
    calls = 0;
    ASSERT_EQ(RenderMetallicStrip(picture, c.left, c.width, {4, 7, 3}, effect), GPX_OK);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(last_call.destination_width, c.last - c.first + 1) << c.left;
    EXPECT_EQ(last_call.destination_height, 3);
    EXPECT_EQ(last_call.source_first, static_cast<gfx::Pixel>(c.first * 10)) << c.left;
    EXPECT_EQ(last_call.relief, 4);
    EXPECT_EQ(last_call.phase, 7);
    EXPECT_EQ(last_call.variant, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 20; ++x) {
        const auto plain = static_cast<gfx::Pixel>(x * 10);
        const bool inside = x >= c.first && x <= c.last;
        EXPECT_EQ(picture.Row(y)[x], inside ? (~plain & 0xFFFFFF) : plain)
            << "strip at " << c.left << ", pixel " << x << "," << y;
      }
    }
  }
}

TEST_F(MetallicStripTest, LeavesThePictureAloneWhenThereIsNothingToRenderOrTheEffectFails) {
  const platform::EffectLibrary inverting = Load(&Invert);
  for (const auto& [left, width] : {std::pair{20, 5}, std::pair{-5, 5}, std::pair{3, 0}}) {
    gfx::Surface picture = Picture();
    calls = 0;
    EXPECT_NE(RenderMetallicStrip(picture, left, width, {}, inverting), GPX_OK);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(picture.Row(1)[3], 30U);
  }
  const platform::EffectLibrary failing = Load(&Fail);
  gfx::Surface picture = Picture();
  EXPECT_EQ(RenderMetallicStrip(picture, 2, 6, {}, failing), GPX_ERROR_VARIANT);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(picture.Row(2)[x], static_cast<gfx::Pixel>(x * 10));
}

}  // namespace
}  // namespace corvane
