#pragma once

#include <memory>

#include "gfx/font.h"

namespace corvane::platform {

// A font for spec at pixel_size, rasterised by GDI: the caption's face (gdi_faces.h) for the
// metrics and most glyphs, and a Japanese face for the characters it lacks. nullptr only when GDI
// gives no font at all.
std::unique_ptr<gfx::Font> OpenGdiFont(const gfx::FontSpec& spec, int pixel_size);

}  // namespace corvane::platform
