#pragma once

#include <string>

#include "gfx/font.h"
#include "platform/win32/face_names.h"
#include "platform/win32/gdi_handles.h"

namespace corvane::platform {

// The logical font of spec's weight and slant at pixel_size em height, under `face` (at most
// LF_FACESIZE - 1 characters are kept) and `charset`. Underline and strike-out are drawn by the
// portable text code, so GDI is not asked for them.
LOGFONTW DescribeFont(const gfx::FontSpec& spec, int pixel_size, const std::wstring& face,
                      int charset);

// The font for a caption. The named face when the system has it under either of its spellings
// ("ＭＳ Ｐゴシック" or "MS PGothic"); for a Windows Japanese face the system lacks, the font of
// the same design and proportions that stands in for it elsewhere (the IPA fonts), because GDI's
// own mapper may pick a fixed-pitch face for a proportional one; otherwise the mapper's choice.
// `dc` is only used to ask which face GDI took.
UniqueFont CreateCaptionFont(HDC dc, const gfx::FontSpec& spec, int pixel_size);

// The font that draws characters the caption's font lacks: the mapper's choice of a Japanese face
// in the caption's style, since the program's own text is Japanese.
UniqueFont CreateFallbackFont(const gfx::FontSpec& spec, int pixel_size);

// The names of the font selected into dc.
FaceNames NamesOf(HDC dc);

}  // namespace corvane::platform
