#pragma once

#include <string>
#include <string_view>

namespace corvane::platform::win32 {

// The program's text is UTF-8 and the system's is UTF-16: every text and path crosses between
// them here, and never as narrow text in the system's own code page.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Copies text into a caller's buffer of size bytes with its NUL, cut before a character that
// would not fit whole; false, and the buffer left alone, when size is 0.
bool CopyCut(std::string_view text, char* buffer, std::size_t size);

}  // namespace corvane::platform::win32
