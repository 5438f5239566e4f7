#pragma once

#include <string>
#include <string_view>

namespace corvane::gfx {

// The replacement character shown for bytes that are not valid UTF-8.
inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes UTF-8 into code points. Each maximal invalid subsequence (a stray continuation byte, a
// truncated sequence, an overlong form, a surrogate, a value past U+10FFFF) becomes one U+FFFD,
// so captions read from damaged files still show everything that can be shown.
std::u32string DecodeUtf8(std::string_view text);

// Encodes code points as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
std::string EncodeUtf8(std::u32string_view text);

}  // namespace corvane::gfx
