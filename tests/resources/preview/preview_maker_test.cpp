#include "resources/preview/preview_maker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/desktop/system_font_loader.h"
#include "platform/fake/fake_dynamic_libraries.h"
#include "platform/fake/fake_font_loader.h"
#include "platform/gfx/image_decode.h"
#include "platform/gfx/jpeg_encode.h"
#include "platform/posix/dlopen_libraries.h"

namespace corvane {
namespace {

std::string LibraryPath() {
  const char* build = std::getenv("CORVANE_BUILD_DIR");
  return std::string(build != nullptr ? build : ".") + "/" + platform::EffectLibrary::kFileName;
}

// The mean absolute difference of all channels in one column.
double ColumnDifference(const gfx::Surface& a, const gfx::Surface& b, int x) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const gfx::Pixel p = a.Row(y)[x];
    const gfx::Pixel q = b.Row(y)[x];
    for (int shift : {0, 8, 16}) {
      sum +=
          std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
    }
  }
  return sum / (3.0 * a.height());
}

// The strip covers screen columns 554 to 724; reduced by 1280 / 152 that is preview columns 65.8
// to 86.1, so columns 66 to 85 lie wholly inside it and 65 and 86 partly.
constexpr int kFirstStripColumn = 66;
constexpr int kLastStripColumn = 85;

class PreviewMakerTest : public testing::Test {
 protected:
  void SetUp() override {
    effect_ = platform::EffectLibrary::Load(LibraryPath());
    ASSERT_TRUE(effect_) << "the effect library is built beside the tests: " << LibraryPath();
  }

  platform::DlopenLibraries libraries_;
  platform::ScopedService<platform::DynamicLibraries> service_{libraries_};
  std::optional<platform::EffectLibrary> effect_;
  platform::SystemFontLoader fonts_;
};

TEST_F(PreviewMakerTest, ShowsTheRealEffectInAStripAcrossTheReducedDesktop) {
  std::string error;
  std::optional<PreviewPictures> pictures = MakePreviewPictures(fonts_, *effect_, error);
  ASSERT_TRUE(pictures) << error;
  const gfx::Surface& plain = pictures->plain;
  const gfx::Surface& with_strip = pictures->with_strip;
  ASSERT_EQ(with_strip.width(), kPreviewWidth);
  ASSERT_EQ(with_strip.height(), kPreviewHeight);
  ASSERT_EQ(plain.width(), kPreviewWidth);
  for (int x = 0; x < kPreviewWidth; ++x) {
    const double difference = ColumnDifference(plain, with_strip, x);
    if (x < kFirstStripColumn - 1 || x > kLastStripColumn + 1) {
      EXPECT_EQ(difference, 0.0) << "column " << x << " lies outside the strip";
    } else if (x >= kFirstStripColumn && x <= kLastStripColumn) {
      EXPECT_GT(difference, 20.0) << "column " << x << " lies inside the strip";
    }
  }

  // The strip stays visible through the JPEG encoding, and the rest stays close to the desktop.
  const std::optional<std::vector<std::uint8_t>> jpeg = gfx::EncodeJpeg(with_strip, 92);
  ASSERT_TRUE(jpeg);
  gfx::ImageResult decoded = gfx::DecodeJpeg(*jpeg);
  ASSERT_TRUE(decoded) << decoded.error();
  ASSERT_EQ(decoded.surface().width(), kPreviewWidth);
  ASSERT_EQ(decoded.surface().height(), kPreviewHeight);
  EXPECT_GT(ColumnDifference(plain, decoded.surface(), 75), 20.0);
  EXPECT_LT(ColumnDifference(plain, decoded.surface(), 20), 6.0);
  EXPECT_LT(ColumnDifference(plain, decoded.surface(), 130), 6.0);
}

TEST(PreviewMaker, SaysWhyWhenTheEffectRefusesTheStrip) {
  platform::FakeDynamicLibraries libraries;
  platform::ScopedService<platform::DynamicLibraries> service(libraries);
  const GPX_MetallicProc refusing = [](std::uint32_t, std::uint32_t, std::int32_t, std::int32_t,
                                       std::int32_t, std::int32_t* result) -> std::int32_t {
    *result = GPX_ERROR_MEMORY;
    return GPX_ERROR_MEMORY;
  };
  libraries.Provide("/fx/Corvane.dll",
                    {{"GPX_Metallic", reinterpret_cast<platform::FARPROC>(refusing)}});
  const std::optional<platform::EffectLibrary> effect =
      platform::EffectLibrary::Load("/fx/Corvane.dll");
  ASSERT_TRUE(effect);
  gfx::FakeFontLoader fonts;
  std::string error;
  EXPECT_FALSE(MakePreviewPictures(fonts, *effect, error));
  EXPECT_EQ(error, "the metallic effect failed with status 4");
}

}  // namespace
}  // namespace corvane
