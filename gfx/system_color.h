#pragma once

#include "gfx/color.h"

namespace corvane::gfx {

// A stored colour whose top byte is 0x80 does not name red, green and blue but one of the desktop's
// system colours by its index in the low byte (0x8000000F: the face of buttons and dialogs, the
// usual background of a form). Corvane has no desktop colour scheme to ask, so it resolves them to
// the classic grey scheme. An index without a colour resolves to the button face, and any other
// value with a nonzero top byte loses that byte.
ColorRef ResolveSystemColor(ColorRef color);

}  // namespace corvane::gfx
