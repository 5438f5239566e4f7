#include "resources/preview_picture.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "platform/gfx/image_decode.h"
#include "resources/preview/preview_maker.h"

namespace corvane {
namespace {

// The start-of-frame markers of a JPEG file in order of its segments, up to the scan.
std::vector<std::uint8_t> FrameMarkers(std::span<const unsigned char> jpeg) {
  std::vector<std::uint8_t> frames;
  std::size_t at = 2;  // after the start-of-image marker
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const std::uint8_t marker = jpeg[at + 1];
    if (marker == 0xDA) break;  // start of scan: the headers are over
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      frames.push_back(marker);
    }
    at += 2 + (static_cast<std::size_t>(jpeg[at + 2]) << 8 | jpeg[at + 3]);
  }
  return frames;
}

TEST(PreviewPicture, IsABaselineJpegOfThePaneSize) {
  const std::span<const unsigned char> jpeg = PreviewPicture();
  ASSERT_GT(jpeg.size(), 4U);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_EQ(FrameMarkers(jpeg), std::vector<std::uint8_t>{0xC0}) << "one baseline frame";

  gfx::ImageResult decoded = gfx::DecodeJpeg(jpeg);
  ASSERT_TRUE(decoded) << decoded.error();
  EXPECT_EQ(decoded.surface().width(), kPreviewWidth);
  EXPECT_EQ(decoded.surface().height(), kPreviewHeight);
}

TEST(PreviewPicture, ShowsTheGoldStripMidPicture) {
  gfx::ImageResult decoded = gfx::DecodeJpeg(PreviewPicture());
  ASSERT_TRUE(decoded) << decoded.error();
  // Averaged down a column, the gold strip is clearly warm (more red than blue) while the desktop
  // beside it, blue wallpaper and white windows, is not.
  auto warmth = [&](int x) {
    int sum = 0;
    for (int y = 0; y < kPreviewHeight; ++y) {
      const gfx::ColorRef c = gfx::ToColorRef(decoded.surface().Row(y)[x]);
      sum += gfx::RedOf(c) - gfx::BlueOf(c);
    }
    return sum / kPreviewHeight;
  };
  for (int x = 68; x <= 83; ++x) EXPECT_GT(warmth(x), 60) << "column " << x;
  EXPECT_LT(warmth(8), 0);
  EXPECT_LT(warmth(140), 0);
}

}  // namespace
}  // namespace corvane
