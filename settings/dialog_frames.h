#pragma once

#include <string_view>
#include <vector>

#include "gfx/geometry.h"
#include "toolkit/property_bag.h"

namespace corvane::settings {

// One of the four GFXFrameX panels of the settings dialog as the form stores it: where it sits in
// its container, in pixels, and its stored properties, which leave out every value equal to its
// default and spell the names in lower case.
struct StoredFrame {
  std::string_view name;
  std::string_view container;
  gfx::Rect bounds;
  platform::PropertyBag properties;
};

// In the dialog's order: GFXFrameX4, GFXFrameX3, GFXFrameX1, GFXFrameX2 (inside GFXFrameX1).
// Loading replaces BackColour of the first three with a colour of the background picture.
const std::vector<StoredFrame>& DialogFrames();

}  // namespace corvane::settings
