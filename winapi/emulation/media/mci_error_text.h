#pragma once

#include <string_view>

#include "winapi/mci_error.h"

namespace corvane::platform {

// The text for an error code the media service can return, or an empty view for any other code
// (0 included), so callers can tell "no text" apart from a text.
std::string_view MciErrorText(MCIERROR code);

}  // namespace corvane::platform
