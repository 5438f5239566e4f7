#include "tools/encode/png_encode.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::gfx {
namespace {

// The PNG encoder serves the picture tools: one picture with padded rows, read back by libpng
// itself, must give its pixels without the unused top byte or the padding.
TEST(EncodePng, APaddedSurfaceReadsBackPixelForPixelInPlainColour) {
  constexpr int kWidth = 257, kHeight = 3, kPitch = 260;
  std::vector<Pixel> backing(kPitch * kHeight, 0x00FF00FFU);
  std::optional<Surface> surface =
      Surface::Wrap(backing.data(), kWidth, kHeight, kPitch * static_cast<int>(sizeof(Pixel)));
  ASSERT_TRUE(surface.has_value());
  std::vector<png_byte> expected;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const auto r = static_cast<std::uint8_t>(x * 37 + y * 11), g = static_cast<std::uint8_t>(x),
                 b = static_cast<std::uint8_t>((x ^ y) * 13);
      surface->Row(y)[x] = 0xA5000000U | Pixel{r} << 16 | Pixel{g} << 8 | b;
      expected.insert(expected.end(), {r, g, b});
    }
  }
  const std::optional<std::vector<std::uint8_t>> png = EncodePng(*surface);
  ASSERT_TRUE(png.has_value());
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_memory(&image, png->data(), png->size()));
  EXPECT_EQ(image.width, static_cast<png_uint_32>(kWidth));
  EXPECT_EQ(image.height, static_cast<png_uint_32>(kHeight));
  EXPECT_EQ(image.format, PNG_FORMAT_RGB) << "no alpha channel and no palette";
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
  EXPECT_TRUE(rgb == expected);
  EXPECT_FALSE(EncodePng(Surface()).has_value());
}

}  // namespace
}  // namespace corvane::gfx
