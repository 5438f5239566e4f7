#include "os/image_decode.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tools/encode/jpeg_encode.h"

namespace corvane::gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

Surface Gradient(int width, int height) {
  Surface surface = *Surface::Create(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      surface.Row(y)[x] =
          static_cast<Pixel>((40 + 180 * x / width) << 16 | (200 - 150 * y / height) << 8 |
                             (90 + 60 * (x + y) / (width + height)));
    }
  }
  return surface;
}

TEST(Jpeg, AnEncodedPictureDecodesBackWithinTolerance) {
  // An odd size, so partial blocks on both axes are encoded and cut off again.
  const Surface original = Gradient(17, 9);
  ImageResult decoded = DecodeJpeg(*EncodeJpeg(original, 95));
  ASSERT_TRUE(decoded) << decoded.error();
  ASSERT_EQ(decoded.surface().width(), 17);
  ASSERT_EQ(decoded.surface().height(), 9);
  for (int i = 0; i < 17 * 9; ++i) {
    const Pixel a = decoded.surface().Row(i / 17)[i % 17], b = original.Row(i / 17)[i % 17];
    for (int shift : {0, 8, 16}) {
      ASSERT_LE(std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)), 12) << i;
    }
    ASSERT_EQ(a >> 24, 0u) << "unused byte must stay 0";
  }
}

// One frame written through giflib's encoder: a palette of a power-of-two size, and the indices
// in the order the file stores them.
struct GifFrame {
  int screen_width, screen_height, left, top, width, height;
  bool interlace;
  int transparent_index;  // -1 for none
  std::vector<GifColorType> palette;
  std::vector<GifPixelType> stored_rows;
};

Bytes EncodeGif(GifFrame frame) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(
      &out,
      [](GifFileType* g, const GifByteType* data, int length) {
        static_cast<Bytes*>(g->UserData)
            ->insert(static_cast<Bytes*>(g->UserData)->end(), data, data + length);
        return length;
      },
      &error);
  ColorMapObject* map =
      GifMakeMapObject(static_cast<int>(frame.palette.size()), frame.palette.data());
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, frame.screen_width, frame.screen_height, 8, 0, map);
  if (frame.transparent_index >= 0) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, frame.transparent_index};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
  }
  EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlace, nullptr);
  for (int y = 0; y < frame.height; ++y) {
    EGifPutLine(gif, frame.stored_rows.data() + y * frame.width, frame.width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

const std::vector<GifColorType> kPalette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {250, 251, 252}};
constexpr ColorRef kBackdrop = Rgb(1, 2, 3);

ColorRef PaletteColour(int index) {
  const GifColorType& c = kPalette[static_cast<std::size_t>(index)];
  return Rgb(c.Red, c.Green, c.Blue);
}

TEST(Gif, FirstFrameDecodesExactlyWithTransparencyAndPlacement) {
  // A 3 x 2 frame at (2, 1) on a 6 x 4 screen; index 2 is transparent.
  const std::vector<GifPixelType> indices = {0, 1, 2, 3, 2, 1};
  ImageResult decoded =
      DecodeGif(EncodeGif({6, 4, 2, 1, 3, 2, false, 2, kPalette, indices}), kBackdrop);
  ASSERT_TRUE(decoded) << decoded.error();
  ASSERT_EQ(decoded.surface().width(), 6);
  ASSERT_EQ(decoded.surface().height(), 4);
  for (int i = 0; i < 24; ++i) {
    const int x = i % 6, y = i / 6;
    const bool in_frame = x >= 2 && x < 5 && y >= 1 && y < 3;
    const int index = in_frame ? indices[static_cast<std::size_t>((y - 1) * 3 + (x - 2))] : 2;
    EXPECT_EQ(ToColorRef(decoded.surface().Row(y)[x]),
              index == 2 ? kBackdrop : PaletteColour(index))
        << i;
  }
}

TEST(Gif, InterlacedRowsAreReturnedInDisplayOrder) {
  // Ten rows, row r filled with index r % 4, stored in the four interlace passes.
  std::vector<GifPixelType> stored;
  for (int row : {0, 8, 4, 2, 6, 1, 3, 5, 7, 9})
    stored.insert(stored.end(), 2, GifPixelType(row % 4));
  ImageResult decoded = DecodeGif(EncodeGif({2, 10, 0, 0, 2, 10, true, -1, kPalette, stored}));
  ASSERT_TRUE(decoded) << decoded.error();
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(ToColorRef(decoded.surface().Row(y)[1]), PaletteColour(y % 4)) << "row " << y;
  }
}

// One row per defence of either decoder, each reached through its signature: an error, never a
// partial picture.
TEST(DecodeImage, ChoosesTheDecoderBySignatureAndRefusesDamagedData) {
  const Bytes jpeg = *EncodeJpeg(Gradient(48, 40), 90);
  ImageResult from_jpeg = DecodeImage(jpeg);
  ASSERT_TRUE(from_jpeg) << from_jpeg.error();
  EXPECT_EQ(from_jpeg.surface().width(), 48);
  const Bytes gif = EncodeGif({2, 1, 0, 0, 2, 1, false, -1, kPalette, {3, 0}});
  ImageResult from_gif = DecodeImage(gif);
  ASSERT_TRUE(from_gif) << from_gif.error();
  EXPECT_EQ(ToColorRef(from_gif.surface().Row(0)[0]), PaletteColour(3));

  // The JPEG frame header (SOF0) holds the height and width as big-endian 16-bit values.
  const std::uint8_t sof_marker[] = {0xFF, 0xC0};
  const auto sof = static_cast<std::size_t>(
      std::search(jpeg.begin(), jpeg.end(), std::begin(sof_marker), std::end(sof_marker)) -
      jpeg.begin());
  ASSERT_LT(sof, jpeg.size());
  Bytes huge_jpeg = jpeg, zero_jpeg = jpeg, huge_gif = gif, colourless = gif;
  huge_jpeg[sof + 5] = huge_jpeg[sof + 6] = huge_jpeg[sof + 7] = huge_jpeg[sof + 8] = 0xFF;
  zero_jpeg[sof + 7] = zero_jpeg[sof + 8] = 0;
  huge_gif[6] = huge_gif[7] = huge_gif[8] = huge_gif[9] = 0xFF;  // logical screen 65535 x 65535
  // giflib will not write a file without colours, so drop the global table from a good one:
  // clear its flag in the screen descriptor and cut its 4 x 3 bytes after the descriptor.
  colourless[10] &= 0x7F;
  colourless.erase(colourless.begin() + 13, colourless.begin() + 13 + 12);
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
      {"truncated JPEG", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
      {"65535 x 65535 JPEG", huge_jpeg},
      {"zero-width JPEG", zero_jpeg},
      {"GIF signature only", {'G', 'I', 'F', '8', '9', 'a'}},
      {"truncated GIF", Bytes(gif.begin(), gif.end() - 4)},
      {"65535 x 65535 GIF", huge_gif},
      {"GIF without colours", colourless},
  };
  for (const auto& [name, data] : cases) {
    const ImageResult result = DecodeImage(data);
    EXPECT_FALSE(result.ok()) << name;
    EXPECT_FALSE(result.error().empty()) << name;
  }
}

}  // namespace
}  // namespace corvane::gfx
