// GIF pictures: the block structure read here (picture_layout.h), the frame's colour indices and
// colour table through the system's imaging component, composed on the logical screen as the
// giflib backend composes them.

#include <algorithm>
#include <string>
#include <vector>

#include "os/image_decode.h"
#include "platform/win32/picture_layout.h"
#include "platform/win32/wic_frame.h"

namespace corvane::gfx {

namespace {

ImageResult Failure(const std::string& why) { return ImageResult::Fail("GIF: " + why); }

// The frame's colour table as pixels; empty when it cannot be read.
std::vector<Pixel> Colours(const platform::WicFrame& picture) {
  platform::ComPtr<IWICPalette> palette;
  WICColor colours[256];
  UINT count = 0;
  if (FAILED(picture.factory->CreatePalette(&palette)) ||
      FAILED(picture.frame->CopyPalette(palette.Get())) ||
      FAILED(palette->GetColors(256, colours, &count))) {
    return {};
  }
  // WIC colours are 0xAARRGGBB; the transparent entry has its alpha cleared, which the layout's
  // index already says.
  std::vector<Pixel> pixels(colours, colours + count);
  for (Pixel& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

}  // namespace

ImageResult DecodeGif(std::span<const std::uint8_t> data, ColorRef transparent) {
  if (data.empty()) return Failure("no data");
  const platform::GifLayout layout = platform::ReadGifLayout(data);
  if (layout.error != nullptr) return Failure(layout.error);
  if (!layout.has_colours) return Failure("no colour table");
  // Some writers leave the logical screen at 0 x 0; the frame then gives the size.
  const int width = layout.screen_width > 0 ? layout.screen_width : layout.left + layout.width;
  const int height = layout.screen_height > 0 ? layout.screen_height : layout.top + layout.height;
  if (layout.width <= 0 || layout.height <= 0 ||
      std::int64_t{layout.width} * layout.height > kMaxImagePixels ||
      std::int64_t{width} * height > kMaxImagePixels) {
    return Failure("picture too large or empty");
  }
  std::optional<Surface> surface = Surface::Create(width, height);
  if (!surface) return Failure("picture size out of range");

  const platform::WicFrame picture = platform::OpenFirstFrame(data, GUID_ContainerFormatGif);
  if (!picture.frame) return Failure(picture.error);
  UINT frame_width = 0, frame_height = 0;
  WICPixelFormatGUID format{};
  if (FAILED(picture.frame->GetSize(&frame_width, &frame_height)) ||
      FAILED(picture.frame->GetPixelFormat(&format)) ||
      frame_width != static_cast<UINT>(layout.width) ||
      frame_height != static_cast<UINT>(layout.height) ||
      !IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed)) {
    return Failure("frame of an unexpected kind");
  }
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(layout.width) * layout.height);
  const std::vector<Pixel> colours = Colours(picture);
  if (colours.empty() ||
      FAILED(picture.frame->CopyPixels(nullptr, frame_width, static_cast<UINT>(indices.size()),
                                       indices.data()))) {
    return Failure("damaged picture data");
  }

  surface->Fill(transparent);
  const Pixel background = ToPixel(transparent);
  for (int row = 0; row < layout.height; ++row) {
    const int y = layout.top + row;
    if (y >= height) break;
    Pixel* out = surface->Row(y);
    const std::uint8_t* in = indices.data() + static_cast<std::size_t>(row) * layout.width;
    for (int col = 0; col < layout.width && layout.left + col < width; ++col) {
      const int index = in[col];
      if (index == layout.transparent_index) {
        out[layout.left + col] = background;
      } else {
        // An index past the colour table is a writer's mistake; black is what viewers show.
        out[layout.left + col] = index < static_cast<int>(colours.size()) ? colours[index] : 0;
      }
    }
  }
  return ImageResult::Ok(std::move(*surface));
}

}  // namespace corvane::gfx
