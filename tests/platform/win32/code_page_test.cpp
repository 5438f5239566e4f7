#include "os/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace corvane::platform {
namespace {

using namespace std::string_literals;

// The system's table of code page 932 differs from the C library's, which the Linux build uses;
// a profile file must read the same on both, whatever the system's own code page.
TEST(Win32CodePage, GivesTheLinuxBuildsAnswersOrRefuses) {
  const std::optional<std::string> refused;
  struct Case {
    std::string utf8;
    std::optional<std::string> cp932;
  };
  const Case to[] = {
      {"BGM区分ﾘﾋﾟ\\~/表\0"s, "BGM\x8B\xE6\x95\xAA\xD8\xCB\xDF\\~/\x95\x5C\0"s},
      {"", ""},
      {"¥‾−〜—‖¢£¬", "\x5C\x7E\x81\x7C\x81\x60\x81\x5C\x81\x61\x81\x91\x81\x92\x81\xCA"},
      {"\xEE\x80\x80", "\xF0\x40"},  // The user-defined area.
      {"😀", refused},
      {"ok\xE6\x97", refused},
      {"\xC2\x80", refused},
      {"a\xEF\xA3\xB0", refused},  // U+F8F0, the system's reading of 0xA0.
  };
  for (const Case& c : to) EXPECT_EQ(ToProfileCodePage(c.utf8), c.cp932) << c.utf8;

  const Case from[] = {
      {"BGM区分ﾘﾋﾟ\\~/表\0"s, "BGM\x8B\xE6\x95\xAA\xD8\xCB\xDF\\~/\x95\x5C\0"s},
      {"―", "\x81\x5C"},
      {"\xEE\x80\x80", "\xF0\x40"},
  };
  for (const Case& c : from) EXPECT_EQ(FromProfileCodePage(*c.cp932), c.utf8) << c.utf8;
  for (const std::string& bytes :
       {"\x80"s, "\xB1\x80"s, "a\xA0"s, "\xFD"s, "\xFF"s, "ab\x95"s, "\x81\x20"s}) {
    EXPECT_EQ(FromProfileCodePage(bytes), refused) << bytes;
  }
}

}  // namespace
}  // namespace corvane::platform
