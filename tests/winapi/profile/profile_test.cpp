#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "os/code_page.h"
#include "tests/support/platform_test.h"
#include "winapi/kernel32.h"

namespace corvane::platform {
namespace {

using namespace std::string_literals;

constexpr const char* kFile = "/settings/Corvane.ini";

TEST(ProfileCodePage, ConvertsExactlyOrNotAtAll) {
  // Backslash and tilde stay ASCII; 0x5C as a trail byte belongs to its kanji.
  const std::string utf8 = "BGM区分ﾘﾋﾟ\\~/表\0"s,
                    cp932 = "BGM\x8B\xE6\x95\xAA\xD8\xCB\xDF\\~/\x95\x5C\0"s;
  for (const std::string& text : {"😀"s, "ok\xE6\x97"s})
    EXPECT_EQ(ToProfileCodePage(text), std::nullopt);
  for (const std::string& text : {"\x80"s, "ab\x95"s})
    EXPECT_EQ(FromProfileCodePage(text), std::nullopt);
  // After the failures: a conversion that failed halfway leaves nothing behind for the next.
  EXPECT_EQ(ToProfileCodePage(utf8), cp932);
  EXPECT_EQ(FromProfileCodePage(cp932), utf8);
}

TEST(ProfileCodePage, ConvertsOnSeveralThreadsAtOnce) {
  std::string utf8, cp932;
  for (int i = 0; i < 64; ++i) utf8 += "C:/音楽/ﾘﾋﾟ区分" + std::to_string(i);
  cp932 = ToProfileCodePage(utf8).value_or("");
  std::atomic<int> wrong = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 300; ++i) {
        if (ToProfileCodePage(utf8) != cp932 || FromProfileCodePage(cp932) != utf8) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, 0);
}

using ProfileTest = test_support::PlatformTest;

TEST_F(ProfileTest, ReadsCodePage932BytesAndCutsThemToTheBuffer) {
  // Names are trimmed, and every text ends at its first NUL.
  ASSERT_TRUE(WritePrivateProfileStringA("Section\0", " BGMﾌｧｲﾙ ", "ｱ/音\0tail"s, kFile));
  EXPECT_EQ(store_.files[kFile], "[Section]\r\nBGM\xCC\xA7\xB2\xD9=\xB1/\x89\xB9\r\n");
  const auto get = [this](std::uint32_t size) {
    std::string value = "untouched";
    const std::uint32_t count =
        GetPrivateProfileStringA(" section\t", "bgmﾌｧｲﾙ\0junk"s, "", value, size, kFile);
    return std::pair{value, count};
  };
  EXPECT_EQ(get(256), std::pair("ｱ/音"s, 4u)) << "code page bytes, not UTF-8";
  EXPECT_EQ(get(2), std::pair("ｱ"s, 1u)) << "half-width katakana are single bytes";
  EXPECT_EQ(get(4), std::pair("ｱ/"s, 2u)) << "no half character";
}

TEST_F(ProfileTest, MissingOrInvalidValuesGiveTheDefaultWithoutTrailingBlanks) {
  std::string value;
  const std::string bad_line = "BGM\xCC\xA7\xB2\xD9=/a\x80\xFF.mp3\r\n";
  store_.files[kFile] = "[S]\r\n" + bad_line;
  GetPrivateProfileStringA("S", "k", " x\0y"s, value, 256, kFile);
  EXPECT_EQ(value, " x");
  EXPECT_EQ(GetPrivateProfileStringA("S", "BGMﾌｧｲﾙ", "none", value, 256, kFile), 4u)
      << "invalid bytes";
  EXPECT_EQ(value, "none");
  ASSERT_TRUE(WritePrivateProfileStringA("S", "BGM区分", "1", kFile));
  EXPECT_EQ(store_.files[kFile], "[S]\r\n" + bad_line + "BGM\x8B\xE6\x95\xAA=1\r\n")
      << "invalid bytes survive the next write";
  store_.unreadable.insert(kFile);
  GetPrivateProfileStringA("S", "BGM区分", "d", value, 256, kFile);
  EXPECT_EQ(value, "d") << "unreadable file";
}

TEST_F(ProfileTest, RefusedWritesLeaveTheFileAlone) {
  const std::string before = "[S]\r\nk=old\r\n";
  store_.files[kFile] = before;
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "/music/😀.mp3", kFile)) << "value";
  EXPECT_FALSE(WritePrivateProfileStringA("S", "kéy", "v", kFile)) << "key";
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "a\r\n[T]", kFile)) << "line break";
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
