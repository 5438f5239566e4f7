#include "resources/preview/preview_maker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "os/font_loader.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/posix/dlopen_libraries.h"

namespace corvane {
namespace {

// The build-time maker with the real effect library: the strip covers screen columns 554 to 724,
// reduced by 1280 / 152 preview columns 65.8 to 86.1. Those columns, and only they, differ from the
// plain desktop, and the maker gives the same bytes each time.
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
  std::optional<PreviewPictures> again = MakePreviewPictures(fonts, *effect, error);
  ASSERT_TRUE(pictures && again) << error;
  ASSERT_EQ(pictures->with_strip.width(), kPreviewWidth);
  ASSERT_EQ(pictures->with_strip.height(), kPreviewHeight);
  std::set<int> differing;
  for (int y = 0; y < kPreviewHeight; ++y) {
    for (int x = 0; x < kPreviewWidth; ++x) {
      if (pictures->plain.Row(y)[x] != pictures->with_strip.Row(y)[x]) differing.insert(x);
      ASSERT_EQ(pictures->with_strip.Row(y)[x], again->with_strip.Row(y)[x]) << x << "," << y;
    }
  }
  ASSERT_FALSE(differing.empty());
  EXPECT_GE(*differing.begin(), 65);
  EXPECT_LE(*differing.rbegin(), 86);
  for (int x = 66; x <= 85; ++x) EXPECT_TRUE(differing.contains(x)) << x;
}

}  // namespace
}  // namespace corvane
