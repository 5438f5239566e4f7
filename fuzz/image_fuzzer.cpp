// Picture files: JPEG and GIF decoding, told apart by the signature as the program's picture
// controls load them.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_input.h"
#include "os/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  gfx::ImageResult result = gfx::DecodeImage(std::span<const std::uint8_t>(data, size));
  if (!result) {
    fuzz::Require(!result.error().empty(), "a picture that does not decode says why");
    return 0;
  }
  const gfx::Surface& surface = result.surface();
  fuzz::Require(surface.width() > 0 && surface.height() > 0, "a decoded picture has pixels");
  fuzz::Require(std::int64_t{surface.width()} * surface.height() <= gfx::kMaxImagePixels,
                "a decoded picture stays within the pixel cap");
  return 0;
}
