#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace corvane::gfx {

// Case folding of the ASCII letters alone. The words folded here (verbs, device aliases, file
// types, property and settings names) are ASCII, but they share strings with UTF-8 and code page
// 932 text whose bytes from 0x80 up must pass unchanged; the C library's toupper and tolower may
// change such bytes, depending on the locale.
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

inline std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace corvane::gfx
