#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform::win32 {

// The program's text is UTF-8 and the system's wide calls take UTF-16. A path with bytes that are
// not UTF-8 has no wide form: nullopt, never a path with a replacement character in it, which
// would name another file.
std::optional<std::wstring> Widen(std::string_view utf8);

// The system's text (a path, a message) for the program; an unpaired surrogate, which no UTF-8 can
// hold, becomes U+FFFD.
std::string Narrow(std::wstring_view wide);

// The system's description of an error code (GetLastError), in one line.
std::string ErrorText(unsigned long error);

}  // namespace corvane::platform::win32
