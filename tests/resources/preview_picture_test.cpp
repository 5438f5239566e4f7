#include "resources/preview_picture.h"

#include <gtest/gtest.h>

#include "os/image_decode.h"
#include "resources/preview/preview_maker.h"

namespace corvane {
namespace {

// The picture the preview pane shows decodes to the pane's size.
TEST(PreviewPicture, IsAJpegOfThePaneSize) {
  gfx::ImageResult decoded = gfx::DecodeJpeg(PreviewPicture());
  ASSERT_TRUE(decoded) << decoded.error();
  EXPECT_EQ(decoded.surface().width(), kPreviewWidth);
  EXPECT_EQ(decoded.surface().height(), kPreviewHeight);
}

}  // namespace
}  // namespace corvane
