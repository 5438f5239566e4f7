#pragma once

#include "gfx/geometry.h"

// The window services measure in the same pixel geometry as the drawing core.
namespace corvane::platform {

using gfx::Point;
using gfx::Rect;
using gfx::Size;

}  // namespace corvane::platform
