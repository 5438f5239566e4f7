#include "tools/encode/gif_encode.h"

#include <gtest/gtest.h>

#include "os/image_decode.h"

namespace corvane::gfx {
namespace {

Surface Pattern(int width, int height, int colours) {
  Surface s = *Surface::Create(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int n = (y * width + x) % colours;
      s.Row(y)[x] = static_cast<Pixel>(n * 0x010203 + (n << 17)) & 0x00FFFFFF;
    }
  }
  return s;
}

// A picture of up to 256 colours comes back pixel for pixel, whatever its size's parity; one of
// more colours is reduced but keeps its size and stays close.
TEST(GifEncode, FewColoursAreKeptExactlyAndManyAreReduced) {
  for (const int colours : {1, 3, 256}) {
    const Surface original = Pattern(37, 5, colours);
    const auto gif = EncodeGif(original);
    ASSERT_TRUE(gif) << colours;
    ImageResult back = DecodeGif(*gif);
    ASSERT_TRUE(back.ok()) << colours;
    for (int y = 0; y < original.height(); ++y) {
      for (int x = 0; x < original.width(); ++x) {
        ASSERT_EQ(back.surface().Row(y)[x], original.Row(y)[x]) << colours << " at " << x;
      }
    }
  }
  const auto many = EncodeGif(Pattern(64, 64, 4096));
  ASSERT_TRUE(many);
  ImageResult reduced = DecodeGif(*many);
  ASSERT_TRUE(reduced.ok());
  EXPECT_EQ(reduced.surface().width(), 64);
  EXPECT_EQ(reduced.surface().height(), 64);
  EXPECT_FALSE(EncodeGif(Surface()));
}

}  // namespace
}  // namespace corvane::gfx
