#include "gfx/utf8.h"

#include <cstdint>

namespace corvane::gfx {

namespace {

bool IsContinuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The allowed range of the second byte depends on the lead byte; limiting it here rejects
// overlong forms, surrogates and values past U+10FFFF at the earliest byte that shows them.
struct LeadInfo {
  int length;  // 0: not a lead byte
  std::uint8_t second_min;
  std::uint8_t second_max;
};

LeadInfo Lead(std::uint8_t byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte < 0x80) {
      out.push_back(byte);
      ++i;
      continue;
    }
    const LeadInfo lead = Lead(byte);
    if (lead.length == 0) {
      out.push_back(kReplacementCharacter);
      ++i;
      continue;
    }
    char32_t value = byte & (0xFF >> (lead.length + 1));
    std::size_t used = 1;
    bool complete = true;
    for (; used < static_cast<std::size_t>(lead.length); ++used) {
      if (i + used >= text.size()) {
        complete = false;
        break;
      }
      const auto next = static_cast<std::uint8_t>(text[i + used]);
      const bool in_range =
          used == 1 ? next >= lead.second_min && next <= lead.second_max : IsContinuation(next);
      if (!in_range) {
        complete = false;
        break;
      }
      value = (value << 6) | (next & 0x3F);
    }
    out.push_back(complete ? value : kReplacementCharacter);
    i += used;
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementCharacter;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace corvane::gfx
