#include "os/code_page.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace corvane::platform {

namespace {

constexpr UINT kProfileCodePage = 932;

// The profile files must read the same on every system, so the conversion gives the answers of
// the Linux build's (the C library's code page 932) whatever the system's tables say. The system
// holds these characters only as best fits, which it refuses here, while the C library writes
// them as the code page's own characters of the same look.
struct OneWay {
  wchar_t character;
  const char* bytes;
};
constexpr OneWay kOneWay[] = {
    {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00A5, "\x5C"},
    {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"},
};

// What the system's table maps and the C library's does not: the single bytes 0x80, 0xA0 and 0xFD
// to 0xFF, and the characters they map to.
bool RefusedByte(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }
bool RefusedCharacter(wchar_t c) { return c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3); }

std::optional<std::wstring> ToWide(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  return wide;
}

// Appends the conversion of wide to out; false when some character has no exact form there.
bool AppendFromWide(UINT code_page, std::wstring_view wide, std::string& out) {
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  // The UTF-8 side refuses unpaired surrogates; the code page side refuses what it could only
  // approximate (a best fit) or not hold at all (the default character).
  const DWORD flags = code_page == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used = code_page == CP_UTF8 ? nullptr : &used_default;
  const int length =
      WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, nullptr, used);
  if (length <= 0 || used_default) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length));
  WideCharToMultiByte(code_page, flags, wide.data(), size, out.data() + start, length, nullptr,
                      used);
  return true;
}

}  // namespace

std::optional<std::string> ToProfileCodePage(std::string_view utf8) {
  const auto wide = ToWide(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  std::string bytes;
  std::size_t run = 0;  // Where the characters not yet converted start.
  for (std::size_t i = 0; i < wide->size(); ++i) {
    const wchar_t c = (*wide)[i];
    if (RefusedCharacter(c)) return std::nullopt;
    const auto one_way = std::find_if(std::begin(kOneWay), std::end(kOneWay),
                                      [c](const OneWay& entry) { return entry.character == c; });
    if (one_way == std::end(kOneWay)) continue;
    if (!AppendFromWide(kProfileCodePage, std::wstring_view(*wide).substr(run, i - run), bytes)) {
      return std::nullopt;
    }
    bytes += one_way->bytes;
    run = i + 1;
  }
  if (!AppendFromWide(kProfileCodePage, std::wstring_view(*wide).substr(run), bytes)) {
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> FromProfileCodePage(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (IsProfileLeadByte(bytes[i])) {
      ++i;  // Its trail byte, whatever it is, is the system's to judge.
    } else if (RefusedByte(static_cast<unsigned char>(bytes[i]))) {
      return std::nullopt;
    }
  }
  const auto wide = ToWide(kProfileCodePage, bytes);
  if (!wide) return std::nullopt;
  std::string utf8;
  if (!AppendFromWide(CP_UTF8, *wide, utf8)) return std::nullopt;
  return utf8;
}

}  // namespace corvane::platform
