#pragma once

#include "os/geometry.h"

namespace corvane::platform::win32 {

// Draws an outline over everything on the screen that moves and grows from one rectangle to the
// other in about 250 ms, and removes it before returning. The system's own animation of this
// kind is not drawn everywhere (Wine leaves it out), so the outline is drawn here.
void AnimateOutline(const Rect& from, const Rect& to);

}  // namespace corvane::platform::win32
