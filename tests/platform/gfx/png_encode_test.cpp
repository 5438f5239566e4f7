#include "platform/gfx/png_encode.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::gfx {
namespace {

struct Decoded {
  int width = 0;
  int height = 0;
  png_uint_32 format = 0;
  std::vector<Pixel> pixels;  // 0x00RRGGBB, row by row
};

// Reads a PNG back with libpng itself, so the encoder is judged by a decoder that is not ours.
std::optional<Decoded> DecodeWithLibpng(const std::vector<std::uint8_t>& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return std::nullopt;
  Decoded decoded{static_cast<int>(image.width), static_cast<int>(image.height), image.format, {}};
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    decoded.pixels.push_back(static_cast<Pixel>(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]));
  }
  return decoded;
}

// A value per pixel that differs in every channel from its neighbours, with the top byte set to
// junk that must not reach the file.
Pixel Pattern(int x, int y) {
  const auto r = static_cast<Pixel>((x * 37 + y * 11) & 0xFF);
  const auto g = static_cast<Pixel>((x * 5 + y * 101 + 7) & 0xFF);
  const auto b = static_cast<Pixel>((x ^ y) * 13 & 0xFF);
  return 0xA5000000U | r << 16 | g << 8 | b;
}

TEST(EncodePng, DecodesBackToTheSamePixelsAtAnySizeAndPitch) {
  struct Case {
    int width, height, pitch_pixels;
  };
  for (const Case& c : {Case{1, 1, 1}, Case{257, 3, 257}, Case{7, 300, 11}}) {
    // Padding after each row holds values that must not leak into the picture.
    std::vector<Pixel> backing(static_cast<std::size_t>(c.pitch_pixels) * c.height, 0x00FF00FFU);
    std::optional<Surface> surface = Surface::Wrap(
        backing.data(), c.width, c.height, c.pitch_pixels * static_cast<int>(sizeof(Pixel)));
    ASSERT_TRUE(surface.has_value());
    std::vector<Pixel> expected;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        surface->Row(y)[x] = Pattern(x, y);
        expected.push_back(Pattern(x, y) & 0x00FFFFFFU);
      }
    }
    const std::optional<std::vector<std::uint8_t>> png = EncodePng(*surface);
    ASSERT_TRUE(png.has_value()) << c.width << "x" << c.height;
    const std::optional<Decoded> decoded = DecodeWithLibpng(*png);
    ASSERT_TRUE(decoded.has_value()) << c.width << "x" << c.height;
    EXPECT_EQ(decoded->width, c.width);
    EXPECT_EQ(decoded->height, c.height);
    // Plain colour: no alpha channel and no palette.
    EXPECT_EQ(decoded->format, PNG_FORMAT_RGB);
    EXPECT_TRUE(decoded->pixels == expected) << c.width << "x" << c.height;
  }
  EXPECT_FALSE(EncodePng(Surface()).has_value());
}

}  // namespace
}  // namespace corvane::gfx
