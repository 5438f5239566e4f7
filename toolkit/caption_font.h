#pragma once

#include <optional>

#include "gfx/font.h"
#include "gfx/text.h"

namespace corvane::platform {

// The font of captions the toolkit draws itself (labels, the message box): the Japanese UI
// gothic at 9 points.
inline const gfx::FontSpec kCaptionFont{"ＭＳ Ｐゴシック", 9.0F, 400, false, false, false, 128};

// Opens spec at the screen's dpi (rounded to whole dots) through the installed font loader;
// nullopt when it has no font at all.
std::optional<gfx::FontFace> OpenScreenFont(const gfx::FontSpec& spec);

}  // namespace corvane::platform
