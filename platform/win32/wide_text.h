#pragma once

#include <string>
#include <string_view>

namespace corvane::platform::win32 {

// The program's text is UTF-8 and the system's wide functions take UTF-16. Invalid UTF-8 turns
// into replacement characters rather than failing the call it was meant for.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace corvane::platform::win32
