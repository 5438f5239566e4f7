#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "os/image_decode.h"

namespace corvane::gfx {

namespace {

struct MemoryReader {
  std::span<const std::uint8_t> data;
  std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t left = reader->data.size() - reader->position;
  const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(length, 0)));
  std::memcpy(buffer, reader->data.data() + reader->position, count);
  reader->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

ImageResult GifFailure(const char* what, int code) {
  const char* reason = GifErrorString(code);
  return ImageResult::Fail(std::string("GIF: ") + what +
                           (reason ? std::string(": ") + reason : ""));
}

// Reads extension blocks up to the first image and returns the transparent index of the graphic
// control extension that belongs to it, -1 when there is none.
bool SkipExtension(GifFileType* gif, int* transparent_index) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
      *transparent_index = control.TransparentColor;
    }
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// The frame's indices, row by row in display order (interlaced frames are stored in four passes).
bool ReadIndices(GifFileType* gif, int width, int height, std::vector<GifPixelType>* indices) {
  indices->assign(static_cast<std::size_t>(width) * height, 0);
  auto read_row = [&](int y) {
    return DGifGetLine(gif, indices->data() + static_cast<std::size_t>(y) * width, width) == GIF_OK;
  };
  if (!gif->Image.Interlace) {
    for (int y = 0; y < height; ++y) {
      if (!read_row(y)) return false;
    }
    return true;
  }
  constexpr int kPassStart[] = {0, 4, 2, 1};
  constexpr int kPassStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kPassStart[pass]; y < height; y += kPassStep[pass]) {
      if (!read_row(y)) return false;
    }
  }
  return true;
}

}  // namespace

ImageResult DecodeGif(std::span<const std::uint8_t> data, ColorRef transparent) {
  if (data.empty()) return ImageResult::Fail("GIF: no data");
  MemoryReader reader{data};
  int error = 0;
  GifHandle gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif) return GifFailure("not a GIF file", error);

  int transparent_index = -1;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
      return GifFailure("damaged data", gif->Error);
    }
    if (record == TERMINATE_RECORD_TYPE) return ImageResult::Fail("GIF: file holds no picture");
    if (record == IMAGE_DESC_RECORD_TYPE) break;
    if (record == EXTENSION_RECORD_TYPE && !SkipExtension(gif.get(), &transparent_index)) {
      return GifFailure("damaged extension", gif->Error);
    }
  }
  if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return GifFailure("damaged frame", gif->Error);

  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (colours == nullptr) return ImageResult::Fail("GIF: no colour table");
  const std::int64_t frame_pixels = std::int64_t{frame.Width} * frame.Height;
  // Some writers leave the logical screen at 0 x 0; the frame then gives the size.
  const int width = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
  const int height = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
  if (frame.Width <= 0 || frame.Height <= 0 || frame_pixels > kMaxImagePixels ||
      std::int64_t{width} * height > kMaxImagePixels) {
    return ImageResult::Fail("GIF: picture too large or empty");
  }
  std::optional<Surface> surface = Surface::Create(width, height);
  if (!surface) return ImageResult::Fail("GIF: picture size out of range");
  surface->Fill(transparent);

  std::vector<GifPixelType> indices;
  if (!ReadIndices(gif.get(), frame.Width, frame.Height, &indices)) {
    return GifFailure("damaged picture data", gif->Error);
  }
  const Pixel background = ToPixel(transparent);
  for (int row = 0; row < frame.Height; ++row) {
    const int y = frame.Top + row;
    if (y < 0 || y >= height) continue;
    Pixel* out = surface->Row(y);
    const GifPixelType* in = indices.data() + static_cast<std::size_t>(row) * frame.Width;
    for (int col = 0; col < frame.Width; ++col) {
      const int x = frame.Left + col;
      if (x < 0 || x >= width) continue;
      const int index = in[col];
      if (index == transparent_index) {
        out[x] = background;
      } else if (index < colours->ColorCount) {
        const GifColorType& c = colours->Colors[index];
        out[x] = (Pixel{c.Red} << 16) | (Pixel{c.Green} << 8) | Pixel{c.Blue};
      } else {
        // An index past the colour table is a writer's mistake; black is what viewers show.
        out[x] = 0;
      }
    }
  }
  return ImageResult::Ok(std::move(*surface));
}

}  // namespace corvane::gfx
