#pragma once

#include <optional>
#include <string_view>

namespace corvane::platform::x11 {

// The value of Xft.dpi in the text of the root window's RESOURCE_MANAGER property, the place
// where desktops publish their text scaling; nothing when it is missing or not a positive number.
std::optional<double> XftDpiFromResources(std::string_view resources);

}  // namespace corvane::platform::x11
