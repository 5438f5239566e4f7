#pragma once

#include <memory>

#include "gfx/font.h"
#include "os/font_loader.h"
#include "platform/win32/face_names.h"

namespace corvane::platform {

// The font loader on Windows: GDI picks and rasterises the faces (gdi_font.h). Its header keeps
// <windows.h> out, so that the system's macros (DrawText, LoadImage) cannot rename the program's
// functions in the files that use it.
class GdiFontLoader : public gfx::FontLoader {
 public:
  std::unique_ptr<gfx::Font> Open(const gfx::FontSpec& spec, int pixel_size) override;

  // The face Open takes for spec, as GDI names it.
  FaceNames Match(const gfx::FontSpec& spec) const;
};

}  // namespace corvane::platform
