#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The command line as the host gave it: the arguments joined by single blanks, or empty when no
// runtime service is installed.
std::string ArgumentText();

// The mode letter: the second character of the upper-cased argument text, or '\0' when the text is
// shorter. The first character is never looked at, so "/s", "-s" and "xS" all give 'S'.
char ModeLetter(std::string_view argument_text);

// The host window handle after "/p": the digits from the fourth character on, blanks ignored,
// reading stopped at the first other character; no digits give 0. Empty when the number does not
// fit a 32-bit signed integer.
std::optional<std::int32_t> HostWindowHandle(std::string_view argument_text);

}  // namespace corvane
