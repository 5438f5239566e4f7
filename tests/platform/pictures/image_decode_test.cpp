#include "os/image_decode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "resources/dialog_pictures.h"
#include "resources/preview_picture.h"

namespace corvane::gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr ColorRef kBackdrop = Rgb(1, 2, 3);

std::uint64_t Fnv1a(const Surface& surface) {
  std::uint64_t hash = 0xCBF29CE484222325;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      for (int shift = 0; shift < 32; shift += 8) {
        hash = (hash ^ (surface.Row(y)[x] >> shift & 0xFF)) * 0x100000001B3;
      }
    }
  }
  return hash;
}

// The mean red, green and blue of each cell of a 4 x 4 grid, as hex, row by row.
std::string CellMeans(const Surface& surface) {
  std::string hex;
  const int w = surface.width(), h = surface.height();
  for (int cell = 0; cell < 16; ++cell) {
    const int x0 = cell % 4 * w / 4, x1 = (cell % 4 + 1) * w / 4;
    const int y0 = cell / 4 * h / 4, y1 = (cell / 4 + 1) * h / 4;
    for (int shift : {16, 8, 0}) {
      long sum = 0;
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) sum += surface.Row(y)[x] >> shift & 0xFF;
      }
      const long count = long{x1 - x0} * (y1 - y0);
      char byte[3];
      std::snprintf(byte, sizeof byte, "%02lx", (sum + count / 2) / count);
      hex += byte;
    }
  }
  return hex;
}

// Every backend against the same references: the giflib and libjpeg backends' decoding of the
// program's pictures. GIF is lossless, so its pixels must be equal; JPEG decoders differ in
// rounding and in how they upsample the colour planes (up to 37 per channel at colour edges of the
// preview), so their pictures are compared by the means of a 4 x 4 grid of cells.
TEST(ImageDecode, TheProgramsPicturesDecodeAsTheReferenceBackendsDecodeThem) {
  struct Case {
    const char* name;
    std::span<const unsigned char> data;
    int width, height;
    std::uint64_t gif_hash;
    const char* jpeg_cells = nullptr;
  };
  const Case cases[] = {
      {"preview.jpg", PreviewPicture(), 152, 112, 0,
       "828aa5c5c4bca5b0af7aadc79fa8c2c7c3c8c2c6cea2c7e0"
       "7278a1b77361996f5f57717a315f8b746c607175615c8582"},
      {"background.jpg", DialogBackgroundJpeg(), 450, 319, 0,
       "e7ecf4e9edf6eaeef6eef1f7dfe5f0e0e6f1e6ebf4e9edf5"
       "d8dfecdae1ede5eaf3e0e6f0cad3e4d1d9e7dde2edcdd5e5"},
      {"mark_on.jpg", OptionMarkJpeg(true), 12, 12, 0,
       "acafe9a8b1dea1abd8a5a9e4a9b1dd758dd2556fc0a1abd6"
       "a2abd8556fbf536ebfa6afd7a6a9e5a2abd6a6afd7a5aae4"},
      {"mark_off.jpg", OptionMarkJpeg(false), 12, 12, 0,
       "abafe9acb2d9a4acd4a7a9e4acb2d9fbfdfffdfeffa4abd2"
       "a5abd5fdfefffeffffaaafd4a6a9e5a5abd3aaafd5a6a9e4"},
      {"title.gif", DialogTitleGif(), 179, 29, 0x52A609C0367D8505},
      {"icon.gif", ProgramIconGif(), 32, 32, 0x3EE124B1C7E44954},
  };
  for (const Case& c : cases) {
    ImageResult decoded = DecodeImage(c.data, kBackdrop);
    ASSERT_TRUE(decoded) << c.name << ": " << decoded.error();
    const Surface& surface = decoded.surface();
    ASSERT_EQ(std::pair(surface.width(), surface.height()), std::pair(c.width, c.height)) << c.name;
    for (int y = 0; y < surface.height(); ++y) {
      for (int x = 0; x < surface.width(); ++x) {
        ASSERT_EQ(surface.Row(y)[x] >> 24, 0u) << c.name << ": the unused byte must stay 0";
      }
    }
    if (c.jpeg_cells == nullptr) {
      EXPECT_EQ(Fnv1a(surface), c.gif_hash) << c.name;
      continue;
    }
    const std::string cells = CellMeans(surface);
    for (std::size_t i = 0; i < cells.size(); i += 2) {
      const long got = std::strtol(cells.substr(i, 2).c_str(), nullptr, 16);
      const long want = std::strtol(std::string(c.jpeg_cells + i, 2).c_str(), nullptr, 16);
      EXPECT_LE(std::abs(got - want), 8) << c.name << " cell " << i / 6 << " channel " << i / 2 % 3;
    }
  }
}

// Written by giflib: a 3 x 2 frame at (2, 1) on a 6 x 4 screen, indices {0, 1, 2, 3, 2, 1}, index
// 2 transparent, colours red, green, blue and (250, 251, 252).
const Bytes kPlacedGif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x06, 0x00, 0x04, 0x00, 0xF1,
                          0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
                          0xFA, 0xFB, 0xFC, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x02, 0x00,
                          0x2C, 0x02, 0x00, 0x01, 0x00, 0x03, 0x00, 0x02, 0x00, 0x00, 0x02,
                          0x04, 0x44, 0x34, 0x12, 0x05, 0x00, 0x3B};
// The same colours, ten interlaced rows of two pixels, row r filled with index r % 4.
const Bytes kInterlacedGif = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x0A, 0x00, 0xF1, 0x00, 0x00, 0xFF, 0x00, 0x00,
    0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFA, 0xFB, 0xFC, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00,
    0x0A, 0x00, 0x40, 0x02, 0x08, 0x84, 0x2F, 0x29, 0x11, 0x33, 0xEC, 0x58, 0x01, 0x00, 0x3B};
const ColorRef kColours[] = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(250, 251, 252)};

TEST(ImageDecode, GifFrameIsPlacedOnItsScreenWithTransparencyAndInterlaceUndone) {
  ImageResult placed = DecodeGif(kPlacedGif, kBackdrop);
  ASSERT_TRUE(placed) << placed.error();
  ASSERT_EQ(std::pair(placed.surface().width(), placed.surface().height()), std::pair(6, 4));
  const int indices[] = {0, 1, 2, 3, 2, 1};
  for (int i = 0; i < 24; ++i) {
    const int x = i % 6, y = i / 6;
    const bool in_frame = x >= 2 && x < 5 && y >= 1 && y < 3;
    const int index = in_frame ? indices[(y - 1) * 3 + (x - 2)] : 2;
    EXPECT_EQ(ToColorRef(placed.surface().Row(y)[x]), index == 2 ? kBackdrop : kColours[index])
        << x << "," << y;
  }
  // A writer that left the logical screen at 0 x 0: the frame's far corner gives the size.
  Bytes sizeless = kPlacedGif;
  sizeless[6] = sizeless[7] = sizeless[8] = sizeless[9] = 0;
  ImageResult framed = DecodeGif(sizeless, kBackdrop);
  ASSERT_TRUE(framed) << framed.error();
  ASSERT_EQ(std::pair(framed.surface().width(), framed.surface().height()), std::pair(5, 3));
  EXPECT_EQ(ToColorRef(framed.surface().Row(2)[4]), kColours[1]);
  ImageResult interlaced = DecodeGif(kInterlacedGif);
  ASSERT_TRUE(interlaced) << interlaced.error();
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(ToColorRef(interlaced.surface().Row(y)[1]), kColours[y % 4]) << "row " << y;
  }
}

// Damaged, truncated or foreign data gives an error, never a partial picture or a crash.
TEST(ImageDecode, DamagedOrForeignDataGivesNoPicture) {
  const Bytes jpeg(OptionMarkJpeg(true).begin(), OptionMarkJpeg(true).end());
  // The JPEG frame header (SOF0) holds the height and width as big-endian 16-bit values.
  std::size_t sof = 2;
  while (sof + 1 < jpeg.size() && !(jpeg[sof] == 0xFF && jpeg[sof + 1] == 0xC0)) ++sof;
  Bytes huge_jpeg = jpeg, zero_jpeg = jpeg, huge_gif = kPlacedGif, colourless = kPlacedGif,
        garbage = {0xFF, 0xD8};
  huge_jpeg[sof + 5] = huge_jpeg[sof + 6] = huge_jpeg[sof + 7] = huge_jpeg[sof + 8] = 0xFF;
  zero_jpeg[sof + 7] = zero_jpeg[sof + 8] = 0;
  huge_gif[6] = huge_gif[7] = huge_gif[8] = huge_gif[9] = 0xFF;
  // Drop the global colour table: clear its flag and cut its 4 x 3 bytes after the descriptor.
  colourless[10] &= 0x7F;
  colourless.erase(colourless.begin() + 13, colourless.begin() + 13 + 12);
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) garbage.push_back(static_cast<std::uint8_t>(random()));
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
      {"JPEG cut in its scan", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() * 2 / 3)},
      {"JPEG without its end marker", Bytes(jpeg.begin(), jpeg.end() - 2)},
      {"65535 x 65535 JPEG", huge_jpeg},
      {"zero-width JPEG", zero_jpeg},
      {"garbage after a JPEG's start marker", garbage},
      {"GIF signature only", {'G', 'I', 'F', '8', '9', 'a'}},
      {"GIF cut in its picture data", Bytes(kPlacedGif.begin(), kPlacedGif.end() - 4)},
      {"65535 x 65535 GIF", huge_gif},
      {"GIF without colours", colourless},
  };
  for (const auto& [name, data] : cases) {
    const ImageResult result = DecodeImage(data);
    EXPECT_FALSE(result.ok()) << name;
    EXPECT_FALSE(result.error().empty()) << name;
  }
  EXPECT_FALSE(DecodeJpeg(kPlacedGif).ok()) << "a GIF passed to the JPEG decoder";
  EXPECT_FALSE(DecodeGif(jpeg).ok()) << "a JPEG passed to the GIF decoder";
}

}  // namespace
}  // namespace corvane::gfx
