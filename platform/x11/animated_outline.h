#pragma once

#include "os/geometry.h"
#include "platform/x11/display.h"

namespace corvane::platform::x11 {

// Draws an outline over everything on the screen that moves and grows from one rectangle to the
// other in about 250 ms, and removes it before returning.
void AnimateOutline(X11Display& display, const Rect& from, const Rect& to);

}  // namespace corvane::platform::x11
