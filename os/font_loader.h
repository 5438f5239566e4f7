#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "gfx/font.h"
#include "gfx/text.h"

namespace corvane::gfx {

// Opens faces for font specs. The system's fonts, installed as a platform service (os/service.h).
class FontLoader {
 public:
  virtual ~FontLoader() = default;
  static constexpr const char* kServiceName = "font loader";
  // A face for the requested font at `pixel_size`. An unknown face name falls back to the system's
  // default face; nullptr only when the system has no usable font at all.
  virtual std::unique_ptr<Font> Open(const FontSpec& spec, int pixel_size) = 0;
};

// Opens spec through the loader at the pixel size its points give at `dpi`; nullopt only when the
// loader has no font at all.
inline std::optional<FontFace> OpenFace(FontLoader& loader, const FontSpec& spec, int dpi) {
  std::unique_ptr<Font> font = loader.Open(spec, FontPixelSize(spec.points, dpi));
  if (!font) return std::nullopt;
  return FontFace(std::move(font), spec.underline, spec.strikethrough);
}

}  // namespace corvane::gfx
