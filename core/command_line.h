#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The command line as the host gave it: the arguments joined by single blanks.
std::string ArgumentText();

// The mode letter: the second character of the upper-cased argument text, or '\0' when the text is
// shorter. The first character is never looked at, so "/s", "-s" and "xS" all give 'S'.
char ModeLetter(std::string_view argument_text);

// The host window handle after "/p": the digits from the fourth character on, blanks ignored,
// reading stopped at the first other character; no digits give 0. Empty when the number does not
// fit a 32-bit signed integer.
std::optional<std::int32_t> HostWindowHandle(std::string_view argument_text);

// The value of the environment variable that saver hosts of the X world name their window in,
// XSCREENSAVER_WINDOW; empty when it is unset.
std::string HostWindowVariable();

// The window a saver host of the X world made for the saver to draw in, read from the argument
// text and the value of XSCREENSAVER_WINDOW:
// - "-root" or "--root": the window the variable names;
// - "-window-id ID" or "--window-id ID": ID, which wins over the variable;
// - no arguments at all: the variable's window, when it is set, for hosts that run a bare command.
// Window ids are decimal, or hexadecimal after "0x". nullopt when none of these applies, so the
// Windows-style switches decide as before; 0 when a host asked but named no usable window.
std::optional<std::uint32_t> HostedWindow(std::string_view argument_text,
                                          std::string_view window_variable);

}  // namespace corvane
