#include "platform/profile/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace corvane::platform {
namespace {

using namespace std::string_literals;

struct FindCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

TEST(IniText, FindReadsValuesByTheProfileRules) {
  const std::string huge(100000, 'x');
  const FindCase cases[] = {
      {"names without regard to case", "[SECTION]\r\nKEY=v\r\n", "section", "Key", "v"},
      {"blanks around names and value", "  [ Section ]  \r\n  key  =  va lue  \r\n", "Section",
       "key", "va lue"},
      {"every blank byte trimmed", "[S]\r\nk=\t\x1a v\f\v\r\n", "S", "k", "v"},
      {"double quotes stripped", "[S]\r\nk=\"v w\"\r\n", "S", "k", "v w"},
      {"single quotes stripped", "[S]\r\nk='v'\r\n", "S", "k", "v"},
      {"only one pair stripped", "[S]\r\nk='\"x\"'\r\n", "S", "k", "\"x\""},
      {"unmatched quotes kept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
      {"a lone quote kept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
      {"empty quotes give empty", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
      {"value split at the first equals", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
      {"no inline comments", "[S]\r\nk=1 ;x\r\n", "S", "k", "1 ;x"},
      {"first duplicate key wins", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
      {"only the first section of a name", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", "S", "k", std::nullopt},
      {"key of another section", "[A]\r\nk=1\r\n[S]\r\n", "S", "k", std::nullopt},
      {"key before any section", "k=1\r\n[S]\r\n", "S", "k", std::nullopt},
      {"comment is no key", "[S]\r\n;k=1\r\n", "S", ";k", std::nullopt},
      {"line without equals is no key", "[S]\r\nk\r\n", "S", "k", std::nullopt},
      {"LF line ends", "[S]\nk=1\n", "S", "k", "1"},
      {"CR line ends", "[S]\rk=1\r", "S", "k", "1"},
      {"no line break at the end", "[S]\r\nk=1", "S", "k", "1"},
      {"text after the bracket ignored", "[S] junk\r\nk=1\r\n", "S", "k", "1"},
      {"name runs to the last bracket", "[a]b]\r\nk=1\r\n", "a]b", "k", "1"},
      {"NULs in other lines and values", "\0\0\r\n[S]\r\nk=a\0b\r\n"s, "S", "k", "a\0b"s},
      {"missing section", "[A]\r\nk=1\r\n", "S", "k", std::nullopt},
      {"huge line", "[S]\r\nk=" + huge + "\r\n", "S", "k", huge},
      // 0x83 0x41 and 0x83 0x61 are two different katakana whose trail bytes look like "A"/"a".
      {"trail bytes are not folded", "[S]\r\n\x83\x41=1\r\n", "S", "\x83\x61", std::nullopt},
      {"double-byte names match exactly", "[S]\r\n\x83\x41=1\r\n", "s", "\x83\x41", "1"},
      {"half-width katakana key", "[Section]\r\nBGM\xD8\xCB\xDF\xB0\xC4=5\r\n", "section",
       "bgm\xD8\xCB\xDF\xB0\xC4", "5"},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(IniText(c.file).Find(c.section, c.key), c.expected) << c.what;
  }
}

struct SetCase {
  const char* what;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

TEST(IniText, SetChangesOnlyTheLineItMust) {
  const SetCase cases[] = {
      {"new file", "", "Section", "key", "v", "[Section]\r\nkey=v\r\n"},
      {"replaced in place", "; c\r\n[S]\r\nk=old\r\nother=1\r\n", "S", "k", "new",
       "; c\r\n[S]\r\nk=new\r\nother=1\r\n"},
      {"file keeps its spelling of the key", "[s]\r\n  KEY = old  \r\n", "S", "key", "n",
       "[s]\r\nKEY=n\r\n"},
      {"new key after the last entry of its section", "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n", "a", "c",
       "2", "[A]\r\na=1\r\nc=2\r\n\r\n[B]\r\nb=1\r\n"},
      {"comment before the next section stays with it", "[A]\r\na=1\r\n; about B\r\n[B]\r\n", "A",
       "c", "2", "[A]\r\na=1\r\nc=2\r\n; about B\r\n[B]\r\n"},
      {"new key in an empty section", "[A]\r\n[B]\r\n", "A", "c", "2", "[A]\r\nc=2\r\n[B]\r\n"},
      {"last line without a line break", "[A]\r\na=1", "A", "c", "2", "[A]\r\na=1\r\nc=2\r\n"},
      {"new section after a line without a line break", "x=1", "S", "k", "v",
       "x=1\r\n[S]\r\nk=v\r\n"},
      {"new section at the end", "[A]\r\na=1\r\n\r\n", "S", "k", "v",
       "[A]\r\na=1\r\n\r\n[S]\r\nk=v\r\n"},
      {"LF file: new line in CRLF, others kept", "[A]\na=1\n", "A", "b", "2", "[A]\na=1\nb=2\r\n"},
      {"LF file: replaced line in CRLF", "[A]\na=1\nz=9\n", "A", "a", "5", "[A]\na=5\r\nz=9\n"},
      {"CR file", "[A]\ra=1\r", "A", "b", "2", "[A]\ra=1\rb=2\r\n"},
      {"only the first duplicate replaced", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
       "[A]\r\nk=3\r\nk=2\r\n"},
      {"second section of a name untouched", "[A]\r\n[B]\r\n[A]\r\nk=1\r\n", "A", "k", "2",
       "[A]\r\nk=2\r\n[B]\r\n[A]\r\nk=1\r\n"},
      {"key before any section is not the section's", "k=1\r\n", "S", "k", "2",
       "k=1\r\n[S]\r\nk=2\r\n"},
      {"NULs and odd lines kept", "\0\0\r\n[S]\r\njunk\r\nk=1\r\n"s, "S", "k", "2",
       "\0\0\r\n[S]\r\njunk\r\nk=2\r\n"s},
      {"value that reading would trim is quoted", "", "S", "k", " a ", "[S]\r\nk=\" a \"\r\n"},
  };
  for (const SetCase& c : cases) {
    IniText ini(c.before);
    EXPECT_TRUE(ini.Set(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(ini.bytes(), c.after) << c.what;
  }
}

TEST(IniText, EveryStorableValueReadsBackUnchanged) {
  const std::string values[] = {"",     " lead", "x\t", "\"q\"", "'q'",      "\"",
                                "'x\"", "[a]",   "a=b", "a\0b"s, "\x95\x5C", "  \"x\"  "};
  for (const std::string& value : values) {
    IniText fresh;
    ASSERT_TRUE(fresh.Set("S", "k", value));
    EXPECT_EQ(fresh.Find("S", "k"), value) << "new key, value [" << value << "]";

    IniText existing("[S]\r\nbefore=1\r\nk=old\r\nafter=2\r\n");
    ASSERT_TRUE(existing.Set("S", "k", value));
    EXPECT_EQ(existing.Find("S", "k"), value) << "replaced, value [" << value << "]";
    EXPECT_EQ(existing.Find("S", "before"), "1");
    EXPECT_EQ(existing.Find("S", "after"), "2");
  }
}

TEST(IniText, RefusesWhatWouldChangeTheFileStructure) {
  struct Refused {
    const char* what;
    std::string section;
    std::string key;
    std::string value;
  };
  const Refused cases[] = {
      {"line break in a value", "S", "k", "a\r\nk2=b"},
      {"line feed in a key", "S", "k\nx", "v"},
      {"carriage return in a section", "S\r", "k", "v"},
      {"empty key", "S", "", "v"},
      {"equals in a key", "S", "a=b", "v"},
      {"key that reads as a comment", "S", ";k", "v"},
      {"key that reads as a section", "S", "[k]", "v"},
      {"untrimmed key", "S", " k", "v"},
      {"untrimmed section", "S ", "k", "v"},
  };
  const std::string before = "[S]\r\nk=1\r\n";
  for (const Refused& c : cases) {
    IniText ini(before);
    EXPECT_FALSE(ini.Set(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(ini.bytes(), before) << c.what;
  }
}

}  // namespace
}  // namespace corvane::platform
