#include "tests/effect/png_writer.h"

#include <fstream>
#include <optional>
#include <vector>

#include "platform/gfx/png_encode.h"
#include "platform/gfx/surface.h"

namespace corvane {

bool WritePng(const std::string& path, const std::uint32_t* pixels, int width, int height,
              int pitch_bytes) {
  // The encoder only reads, so wrapping the caller's constant pixels is safe.
  const std::optional<gfx::Surface> surface =
      gfx::Surface::Wrap(const_cast<std::uint32_t*>(pixels), width, height, pitch_bytes);
  if (!surface) return false;
  const std::optional<std::vector<std::uint8_t>> png = gfx::EncodePng(*surface);
  if (!png) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png->data()), static_cast<std::streamsize>(png->size()));
  return static_cast<bool>(out.flush());
}

}  // namespace corvane
