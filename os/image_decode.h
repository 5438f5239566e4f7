#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::gfx {

// A decoded picture, or the reason there is none.
class ImageResult {
 public:
  static ImageResult Ok(Surface surface) { return ImageResult(std::move(surface), {}); }
  static ImageResult Fail(std::string reason) {
    return ImageResult(std::nullopt, std::move(reason));
  }

  bool ok() const { return surface_.has_value(); }
  explicit operator bool() const { return ok(); }
  // Callers must check ok() first.
  Surface& surface() { return *surface_; }
  const std::string& error() const { return error_; }

 private:
  ImageResult(std::optional<Surface> surface, std::string error)
      : surface_(std::move(surface)), error_(std::move(error)) {}

  std::optional<Surface> surface_;
  std::string error_;
};

// Pictures decoded here are the program's own artwork. The cap keeps a damaged header from making
// the decoder allocate gigabytes before the data runs out: 32 million pixels (128 MiB).
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{32} << 20;

// Decodes a JPEG file held in memory (baseline or progressive; greyscale or colour). Damaged or
// truncated data fails instead of giving a partly grey picture.
ImageResult DecodeJpeg(std::span<const std::uint8_t> data);

// Decodes the first frame of a GIF file held in memory onto a canvas of the file's logical screen
// size. Pixels of the frame's transparent colour index (its graphic control extension) and canvas
// pixels the frame does not cover take `transparent`, as a picture box paints a GIF over its
// own background colour.
ImageResult DecodeGif(std::span<const std::uint8_t> data, ColorRef transparent = Rgb(0, 0, 0));

// Decodes JPEG or GIF, told apart by the file signature.
inline ImageResult DecodeImage(std::span<const std::uint8_t> data,
                               ColorRef transparent = Rgb(0, 0, 0)) {
  if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
    return DecodeJpeg(data);
  }
  if (data.size() >= 6 && std::memcmp(data.data(), "GIF8", 4) == 0) {
    return DecodeGif(data, transparent);
  }
  return ImageResult::Fail("not a JPEG or GIF file");
}

}  // namespace corvane::gfx
