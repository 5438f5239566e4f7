#include "gfx/utf8.h"

#include <gtest/gtest.h>

namespace corvane::gfx {
namespace {

constexpr char32_t R = kReplacementCharacter;

TEST(Utf8, DecodesValidTextAndReplacesEachInvalidSubsequenceOnce) {
  struct Case {
    const char* name;
    std::string_view bytes;
    std::u32string expected;
  };
  const Case cases[] = {
      {"caption", "\xE8\xA8\xAD\xE5\xAE\x9A", U"\u8A2D\u5B9A"},  // 設定
      {"highest code point", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
      {"stray continuation",
       "a\x80"
       "b",
       {U'a', R, U'b'}},
      {"lead at the end", "a\xC3", {U'a', R}},
      {"truncated three-byte then ascii",
       "\xE3\x81"
       "A",
       {R, U'A'}},
      {"overlong slash", "\xC0\xAF", {R, R}},
      {"overlong three-byte", "\xE0\x80\xAF", {R, R, R}},
      {"surrogate", "\xED\xA0\x80", {R, R, R}},
      {"past U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
      {"invalid bytes", "\xFE\xFF", {R, R}},
      {"embedded NUL kept", std::string_view("a\0b", 3), {U'a', U'\0', U'b'}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.expected) << c.name;
}

}  // namespace
}  // namespace corvane::gfx
