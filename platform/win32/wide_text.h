#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform::win32 {

// The program's text is UTF-8 and the system's is UTF-16: every text and path crosses between
// them here, and never as narrow text in the system's own code page.

// Text to show or to send: bytes that are not UTF-8 become replacement characters.
std::wstring Widen(std::string_view utf8);
// A path or a name that must be exact: bytes that are not UTF-8 have no wide form, and give
// nullopt rather than a path with a replacement character in it, which would name another file.
std::optional<std::wstring> WidenExactly(std::string_view utf8);
// The system's text (a path, a message) for the program; an unpaired surrogate, which no UTF-8
// can hold, becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

// Copies text into a caller's buffer of size bytes with its NUL, cut before a character that
// would not fit whole; false, and the buffer left alone, when size is 0.
bool CopyCut(std::string_view text, char* buffer, std::size_t size);

// The system's description of an error code (GetLastError), in one line.
std::string ErrorText(unsigned long error);

}  // namespace corvane::platform::win32
