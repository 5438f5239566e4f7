#pragma once

#include "os/cursor.h"

namespace corvane::dialog_art {

// The pointing hand shown over the dialog's link: a white hand outlined in black, its index
// finger pointing up with the tip at the hot spot (12, 10).
platform::CustomCursor HandCursor();

}  // namespace corvane::dialog_art
