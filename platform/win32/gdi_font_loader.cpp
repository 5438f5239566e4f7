#include "platform/win32/gdi_font_loader.h"

#include <algorithm>

#include "platform/win32/gdi_faces.h"
#include "platform/win32/gdi_font.h"

namespace corvane::platform {

std::unique_ptr<gfx::Font> GdiFontLoader::Open(const gfx::FontSpec& spec, int pixel_size) {
  return OpenGdiFont(spec, std::clamp(pixel_size, 1, gfx::kMaxFontPixels));
}

FaceNames GdiFontLoader::Match(const gfx::FontSpec& spec) const {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return {};
  // The names do not depend on the size; 16 pixels is as good as any.
  UniqueFont font = CreateCaptionFont(dc.get(), spec, 16);
  if (!font) return {};
  const HGDIOBJ previous = SelectObject(dc.get(), font.get());
  FaceNames names = NamesOf(dc.get());
  SelectObject(dc.get(), previous);
  return names;
}

}  // namespace corvane::platform
