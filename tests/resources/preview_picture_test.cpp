#include "resources/preview_picture.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "platform/gfx/image_decode.h"
#include "resources/preview/preview_maker.h"

namespace corvane {
namespace {

// The picture the preview pane shows: one baseline frame (the start-of-frame markers of its
// segments up to the scan), decoding to the pane's size.
TEST(PreviewPicture, IsABaselineJpegOfThePaneSize) {
  const std::span<const unsigned char> jpeg = PreviewPicture();
  std::vector<std::uint8_t> frames;
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] != 0xDA) {
    const std::uint8_t marker = jpeg[at + 1];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      frames.push_back(marker);
    }
    at += 2 + (static_cast<std::size_t>(jpeg[at + 2]) << 8 | jpeg[at + 3]);
  }
  EXPECT_EQ(frames, std::vector<std::uint8_t>{0xC0});
  gfx::ImageResult decoded = gfx::DecodeJpeg(jpeg);
  ASSERT_TRUE(decoded) << decoded.error();
  EXPECT_EQ(decoded.surface().width(), kPreviewWidth);
  EXPECT_EQ(decoded.surface().height(), kPreviewHeight);
}

}  // namespace
}  // namespace corvane
