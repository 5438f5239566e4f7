#include "os/image_decode.h"

#include <cstring>

namespace corvane::gfx {

ImageResult DecodeImage(std::span<const std::uint8_t> data, ColorRef transparent) {
  if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
    return DecodeJpeg(data);
  }
  if (data.size() >= 6 && std::memcmp(data.data(), "GIF8", 4) == 0) {
    return DecodeGif(data, transparent);
  }
  return ImageResult::Fail("not a JPEG or GIF file");
}

}  // namespace corvane::gfx
