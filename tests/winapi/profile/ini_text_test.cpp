#include "winapi/profile/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace corvane::platform {
namespace {

using namespace std::string_literals;

TEST(IniText, FindReadsValuesByTheProfileRules) {
  struct Case {
    const char* what;
    std::string file, section, key;
    std::optional<std::string> expected;
  };
  const std::string huge(100000, 'x');
  const Case cases[] = {
      {"every blank trimmed", "  [ S ]  \r\n\t k  =\x1a va lue \f\v\r\n", "S", "k", "va lue"},
      {"one pair of quotes stripped", "[S]\r\nk='\"x\"'\r\n", "S", "k", "\"x\""},
      {"empty quotes give empty", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
      {"unmatched quotes kept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
      {"a lone quote kept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
      {"split at the first equals, no comments", "[S]\r\nk=a=b ;x\r\n", "S", "k", "a=b ;x"},
      {"comment is no key", "[S]\r\n;k=1\r\n", "S", ";k", std::nullopt},
      {"name to the last bracket, text after it ignored", "[a]b] x\r\nk=1\r\n", "a]b", "k", "1"},
      {"huge line", "[S]\r\nk=" + huge + "\r\n", "S", "k", huge},
      // 0x83 0x41 and 0x83 0x61 are two different katakana whose trail bytes look like "A"/"a".
      {"trail bytes are not folded", "[S]\r\n\x83\x41=1\r\n\x83\x61=2\r\n", "s", "\x83\x61", "2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IniText(c.file).Find(c.section, c.key), c.expected) << c.what;
}

TEST(IniText, SetChangesOnlyTheLineItMustAndReadsBack) {
  struct Case {
    std::string before, section, key, value, after;
  };
  // The file keeps its spelling of a replaced key; a new line ends in CRLF whatever the file uses.
  const Case cases[] = {
      {"; c\r\n[s]\r\n K = old \r\no=1\r\n", "S", "k", "new", "; c\r\n[s]\r\nK=new\r\no=1\r\n"},
      {"[A]\r\na=1\r\n; B\r\n[B]\r\n", "a", "c", "2", "[A]\r\na=1\r\nc=2\r\n; B\r\n[B]\r\n"},
      {"[A]\r\n[B]\r\n", "A", "c", "2", "[A]\r\nc=2\r\n[B]\r\n"},
      {"k=1", "S", "k", "2", "k=1\r\n[S]\r\nk=2\r\n"},
      {"[A]\ra=1\r", "A", "b", "2", "[A]\ra=1\rb=2\r\n"},
      {"[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3", "[A]\r\nk=3\r\nk=2\r\n"},
      {"[A]\r\n[B]\r\n[A]\r\nk=1\r\n", "A", "k", "2", "[A]\r\nk=2\r\n[B]\r\n[A]\r\nk=1\r\n"},
      {"\0\r\n[S]\r\njunk\r\nk=1\r\n"s, "S", "k", "2", "\0\r\n[S]\r\njunk\r\nk=2\r\n"s},
      // Values that reading would trim or unquote are quoted; a lone quote and NULs are not.
      {"", "S", "k", " a ", "[S]\r\nk=\" a \"\r\n"},
      {"[S]\r\nk=1\r\n", "S", "k", "'q'", "[S]\r\nk=\"'q'\"\r\n"},
      {"", "S", "k", "\"a\0b"s, "[S]\r\nk=\"a\0b\r\n"s},
  };
  for (const Case& c : cases) {
    IniText ini(c.before);
    EXPECT_TRUE(ini.Set(c.section, c.key, c.value)) << c.before;
    EXPECT_EQ(ini.bytes(), c.after) << c.before;
    EXPECT_EQ(ini.Find(c.section, c.key), c.value) << c.before << ": reads back unchanged";
  }
}

TEST(IniText, RefusesWhatWouldChangeTheFileStructure) {
  struct Case {
    std::string section, key, value;
  };
  const Case cases[] = {
      {"S", "k", "a\r\nk2=b"}, {"S", "k\nx", "v"}, {"S\r", "k", "v"},
      {"S", "", "v"},          {"S", "a=b", "v"},  {"S", ";k", "v"},
      {"S", "[k]", "v"},       {"S", " k", "v"},   {"S ", "k", "v"},
  };
  const std::string before = "[S]\r\nk=1\r\n";
  for (const Case& c : cases) {
    IniText ini(before);
    EXPECT_FALSE(ini.Set(c.section, c.key, c.value)) << c.section << "/" << c.key << "/" << c.value;
    EXPECT_EQ(ini.bytes(), before);
  }
}

}  // namespace
}  // namespace corvane::platform
