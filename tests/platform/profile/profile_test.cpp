#include "platform/profile/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/fake/fake_profile_store.h"
#include "platform/profile/code_page.h"
#include "platform/service.h"

namespace corvane::platform {
namespace {

using namespace std::string_literals;

constexpr const char* kFile = "/settings/Corvane.ini";

TEST(ProfileCodePage, ConvertsExactlyOrNotAtAll) {
  struct Case {
    std::string utf8;
    std::string cp932;
  };
  const Case round_trips[] = {
      {"BGM区分", "BGM\x8B\xE6\x95\xAA"},
      {"BGMﾘﾋﾟｰﾄ", "BGM\xD8\xCB\xDF\xB0\xC4"},
      {"BGMﾌｧｲﾙ", "BGM\xCC\xA7\xB2\xD9"},
      // Backslash and tilde stay ASCII; 0x5C as a trail byte belongs to its kanji.
      {"\\~", "\\~"},
      {"/音楽/表.mp3", "/\x89\xB9\x8A\x79/\x95\x5C.mp3"},
      {"a\0b"s, "a\0b"s},
      {"", ""},
  };
  for (const Case& c : round_trips) {
    EXPECT_EQ(ToProfileCodePage(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(FromProfileCodePage(c.cp932), c.utf8) << c.utf8;
  }

  for (const std::string& utf8 : {"😀"s, "é"s, "\xFF"s, "ok\xE6\x97"s}) {
    EXPECT_EQ(ToProfileCodePage(utf8), std::nullopt) << utf8;
  }
  for (const std::string& bytes : {"\x80"s, "\xA0"s, "\xFD"s, "ab\x95"s}) {
    EXPECT_EQ(FromProfileCodePage(bytes), std::nullopt) << bytes;
  }
}

class ProfileTest : public ::testing::Test {
 protected:
  std::uint32_t Get(std::string_view section, std::string_view key, std::string& returned,
                    std::uint32_t size = 256, std::string_view fallback = "") {
    return GetPrivateProfileStringA(section, key, fallback, returned, size, kFile);
  }

  FakeProfileStore store_;
  ScopedService<ProfileStore> installed_{store_};
};

TEST_F(ProfileTest, ReadsCodePage932BytesAndCountsThem) {
  // The bytes of all three settings keys are checked where the settings are saved.
  ASSERT_TRUE(WritePrivateProfileStringA("Section", "BGMﾌｧｲﾙ", "/音楽/表.mp3", kFile));
  EXPECT_EQ(store_.files[kFile],
            "[Section]\r\nBGM\xCC\xA7\xB2\xD9=/\x89\xB9\x8A\x79/\x95\x5C.mp3\r\n");
  std::string value;
  EXPECT_EQ(Get("section", "bgmﾌｧｲﾙ", value), 12u) << "code page bytes, not UTF-8 bytes";
  EXPECT_EQ(value, "/音楽/表.mp3");
}

TEST_F(ProfileTest, ResultIsCutToTheBufferInCodePageBytes) {
  store_.files[kFile] = "[S]\r\nascii=abcdef\r\nkana=\xB1\xB2\xB3\r\nkanji=\x93\xFA\x96\x7B\r\n";
  struct Case {
    const char* key;
    std::uint32_t size;
    std::string value;
    std::uint32_t count;
  };
  const Case cases[] = {
      {"ascii", 256, "abcdef", 6}, {"ascii", 4, "abc", 3},  {"ascii", 1, "", 0},
      {"kana", 3, "ｱｲ", 2},        {"kanji", 5, "日本", 4}, {"kanji", 4, "日", 2},
      {"kanji", 2, "", 0},
  };
  for (const Case& c : cases) {
    std::string value = "untouched";
    EXPECT_EQ(Get("S", c.key, value, c.size), c.count) << c.key << " size " << c.size;
    EXPECT_EQ(value, c.value) << c.key << " size " << c.size;
  }
  std::string value = "untouched";
  EXPECT_EQ(Get("S", "ascii", value, 0), 0u);
  EXPECT_EQ(value, "untouched");
}

TEST_F(ProfileTest, MissingValuesGiveTheDefaultWithoutTrailingBlanks) {
  std::string value;
  EXPECT_EQ(Get("S", "k", value, 256, "def  "), 3u) << "no file";
  EXPECT_EQ(value, "def");
  store_.files[kFile] = "[S]\r\nother=1\r\n";
  Get("S", "k", value, 256, " x\0y"s);
  EXPECT_EQ(value, " x");
  store_.unreadable.insert(kFile);
  Get("S", "other", value, 256, "d");
  EXPECT_EQ(value, "d") << "unreadable file";
}

TEST_F(ProfileTest, NamesAreTrimmedAndEndAtNul) {
  store_.files[kFile] = "[Section]\r\nkey=v\r\n";
  std::string value;
  Get(" Section\t", "key\0junk"s, value);
  EXPECT_EQ(value, "v");
  ASSERT_TRUE(WritePrivateProfileStringA("Section\0", " key ", "w\0tail"s, kFile));
  EXPECT_EQ(store_.files[kFile], "[Section]\r\nkey=w\r\n");
}

TEST_F(ProfileTest, InvalidBytesReadAsDefaultAndSurviveTheNextWrite) {
  const std::string bad_line = "BGM\xCC\xA7\xB2\xD9=/a\x80\xFF.mp3\r\n";
  store_.files[kFile] = "[Section]\r\n" + bad_line + "; \x80 comment\r\n";
  std::string value;
  EXPECT_EQ(Get("Section", "BGMﾌｧｲﾙ", value, 256, "none"), 4u);
  EXPECT_EQ(value, "none");
  ASSERT_TRUE(WritePrivateProfileStringA("Section", "BGM区分", "1", kFile));
  EXPECT_EQ(store_.files[kFile],
            "[Section]\r\n" + bad_line + "BGM\x8B\xE6\x95\xAA=1\r\n; \x80 comment\r\n");
}

TEST_F(ProfileTest, RefusedWritesLeaveTheFileAlone) {
  const std::string before = "[S]\r\nk=old\r\n";
  store_.files[kFile] = before;
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "/music/😀.mp3", kFile)) << "value";
  EXPECT_FALSE(WritePrivateProfileStringA("S", "kéy", "v", kFile)) << "key";
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "a\r\n[T]", kFile)) << "line break";
  EXPECT_EQ(store_.replace_calls, 0);

  store_.unreadable.insert(kFile);
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "new", kFile)) << "unreadable file";
  EXPECT_EQ(store_.replace_calls, 0) << "a file that cannot be read is never replaced";
  store_.unreadable.clear();

  store_.fail_writes = true;
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "new", kFile));
  EXPECT_EQ(store_.files[kFile], before);
}

}  // namespace
}  // namespace corvane::platform
