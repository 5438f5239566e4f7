#pragma once

#include <string>
#include <string_view>

namespace corvane::platform {

// The program's text is UTF-8 and the system's is UTF-16; these convert between them. Invalid
// UTF-8 becomes U+FFFD rather than failing, so a damaged caption still shows what it can.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace corvane::platform
