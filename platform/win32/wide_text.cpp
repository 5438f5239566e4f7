#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace corvane::platform::win32 {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

bool CopyCut(std::string_view text, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return false;
  std::size_t count = std::min(text.size(), size - 1);
  // Back up over continuation bytes, so that the cut falls between characters.
  if (count < text.size()) {
    while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) --count;
  }
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return true;
}

}  // namespace corvane::platform::win32
