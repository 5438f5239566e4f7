#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::platform {

// Conversion between the program's text (UTF-8) and the code page of its profile files (932).
// Either direction fails, instead of guessing, when the text has a character the other side
// cannot hold or bytes that are not valid in its own encoding; a path converted with a
// replacement character would silently name another file.
std::optional<std::string> ToProfileCodePage(std::string_view utf8);
std::optional<std::string> FromProfileCodePage(std::string_view bytes);

// Whether a byte of code page 932 text starts a double-byte character; the byte after it belongs
// to the same character, even when it looks like an ASCII letter or a bracket.
inline bool IsProfileLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace corvane::platform
