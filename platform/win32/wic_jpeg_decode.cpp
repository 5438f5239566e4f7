// JPEG pictures through the system's imaging component.

#include <string>

#include "os/image_decode.h"
#include "platform/win32/picture_layout.h"
#include "platform/win32/wic_frame.h"

namespace corvane::gfx {

ImageResult DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return ImageResult::Fail("JPEG: no data");
  if (!platform::JpegIsWhole(data)) return ImageResult::Fail("JPEG: truncated or damaged data");
  const platform::WicFrame picture = platform::OpenFirstFrame(data, GUID_ContainerFormatJpeg);
  if (!picture.frame) return ImageResult::Fail("JPEG: " + picture.error);
  UINT width = 0, height = 0;
  if (FAILED(picture.frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      std::int64_t{width} * height > kMaxImagePixels) {
    return ImageResult::Fail("JPEG: picture too large or empty");
  }
  std::optional<Surface> surface =
      Surface::Create(static_cast<int>(width), static_cast<int>(height));
  if (!surface) return ImageResult::Fail("JPEG: picture size out of range");
  if (!platform::CopyBgrPixels(picture, reinterpret_cast<std::uint8_t*>(surface->Row(0)),
                               surface->pitch(), surface->height())) {
    return ImageResult::Fail("JPEG: damaged picture data");
  }
  // The converter leaves the fourth byte undefined; the drawing core keeps it 0.
  for (int y = 0; y < surface->height(); ++y) {
    Pixel* row = surface->Row(y);
    for (int x = 0; x < surface->width(); ++x) row[x] &= 0xFFFFFF;
  }
  return ImageResult::Ok(std::move(*surface));
}

}  // namespace corvane::gfx
