#include "gfx/ascii.h"

#include <gtest/gtest.h>

namespace corvane::gfx {
namespace {

// "設定" in UTF-8, "ｧ" in code page 932, then "À", "à" and "ÿ" in ISO 8859-1, which the C
// library's toupper and tolower change under a Latin-1 locale.
constexpr std::string_view kHighBytes = "\xE8\xA8\xAD\xE5\xAE\x9A\xA7\xC0\xE0\xFF";

TEST(Ascii, FoldsTheLettersAloneAndLeavesEveryOtherByte) {
  const struct {
    std::string_view text, lower, upper;
  } cases[] = {
      {"CdAudio 0-9.mp3", "cdaudio 0-9.mp3", "CDAUDIO 0-9.MP3"},
      {"@AZ[`az{", "@az[`az{", "@AZ[`AZ{"},
      {kHighBytes, kHighBytes, kHighBytes},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AsciiLower(c.text), c.lower) << c.text;
    EXPECT_EQ(AsciiUpper(c.text), c.upper) << c.text;
    EXPECT_TRUE(EqualIgnoringAsciiCase(c.lower, c.upper)) << c.text;
  }
  for (const auto& [a, b] : {std::pair{"al", "ALL"}, {"\xC0", "\xE0"}, {"[", "{"}, {"@", "`"}}) {
    EXPECT_FALSE(EqualIgnoringAsciiCase(a, b)) << a;
  }
}

}  // namespace
}  // namespace corvane::gfx
