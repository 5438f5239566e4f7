#include "toolkit/caption_font.h"

#include <cmath>

#include "os/font_loader.h"
#include "os/service.h"
#include "os/window.h"

namespace corvane::platform {

std::optional<gfx::FontFace> OpenScreenFont(const gfx::FontSpec& spec) {
  const int dpi = static_cast<int>(std::lround(Service<WindowService>::Get().Dpi()));
  return gfx::OpenFace(Service<gfx::FontLoader>::Get(), spec, dpi);
}

}  // namespace corvane::platform
