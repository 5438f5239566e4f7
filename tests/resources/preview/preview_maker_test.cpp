#include "resources/preview/preview_maker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/desktop/system_font_loader.h"
#include "platform/posix/dlopen_libraries.h"

namespace corvane {
namespace {

// The build-time maker with the real effect library: the strip covers screen columns 554 to 724,
// reduced by 1280 / 152 preview columns 65.8 to 86.1. Columns wholly outside it are the plain
// desktop, columns wholly inside it differ clearly, and the maker gives the same bytes each time.
TEST(PreviewMaker, ShowsTheRealEffectInAStripAcrossTheReducedDesktop) {
  const char* build = std::getenv("CORVANE_BUILD_DIR");
  const std::string path =
      std::string(build != nullptr ? build : ".") + "/" + platform::EffectLibrary::kFileName;
  platform::DlopenLibraries libraries;
  platform::ScopedService<platform::DynamicLibraries> service{libraries};
  const std::optional<platform::EffectLibrary> effect = platform::EffectLibrary::Load(path);
  ASSERT_TRUE(effect) << path;
  platform::SystemFontLoader fonts;
  std::string error;
  std::optional<PreviewPictures> pictures = MakePreviewPictures(fonts, *effect, error);
  ASSERT_TRUE(pictures) << error;
  const gfx::Surface& plain = pictures->plain;
  const gfx::Surface& with_strip = pictures->with_strip;
  ASSERT_EQ(with_strip.width(), kPreviewWidth);
  ASSERT_EQ(with_strip.height(), kPreviewHeight);
  ASSERT_EQ(plain.width(), kPreviewWidth);
  for (int x = 0; x < kPreviewWidth; ++x) {
    double difference = 0;  // The mean absolute difference of all channels in the column.
    for (int y = 0; y < kPreviewHeight; ++y) {
      for (int shift : {0, 8, 16}) {
        difference += std::abs(static_cast<int>((plain.Row(y)[x] >> shift) & 0xFF) -
                               static_cast<int>((with_strip.Row(y)[x] >> shift) & 0xFF));
      }
    }
    difference /= 3.0 * kPreviewHeight;
    EXPECT_TRUE((x >= 65 && x <= 86) || difference == 0.0) << "outside, column " << x;
    EXPECT_TRUE(x < 66 || x > 85 || difference > 20.0) << "inside, column " << x;
  }
  std::optional<PreviewPictures> again = MakePreviewPictures(fonts, *effect, error);
  ASSERT_TRUE(again) << error;
  for (int y = 0; y < kPreviewHeight; ++y) {
    ASSERT_TRUE(
        std::equal(with_strip.Row(y), with_strip.Row(y) + kPreviewWidth, again->with_strip.Row(y)))
        << "row " << y;
  }
}

}  // namespace
}  // namespace corvane
