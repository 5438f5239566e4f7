#include "winapi/comdlg32.h"

#include <gtest/gtest.h>

#include <string>

#include "os/service.h"
#include "platform/fake/fake_file_chooser.h"

namespace corvane::platform {
namespace {

constexpr char kFilter[] = "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";

struct Asked {
  int result;
  std::string buffer;  // Up to the first NUL.
};

Asked Ask() {
  std::string buffer(255, '\0');
  OPENFILENAMEA request{.hwndOwner = 0x2a00007,
                        .lpstrFilter = kFilter,
                        .lpstrFile = buffer.data(),
                        .nMaxFile = 255,
                        .lpstrInitialDir = "/home/u/Music",
                        .lpstrTitle = "ﾌｧｲﾙを開く"};
  const int result = GetOpenFileNameA(&request);
  return Asked{result, buffer.c_str()};
}

TEST(GetOpenFileNameA, OnlyAChosenPathThatFitsTheBufferWithItsNulIsAFile) {
  const std::string longest(254, 'a'), too_long(255, 'a');
  struct Case {
    std::optional<std::string> answer;
    Asked expected;
  };
  const Case cases[] = {
      {"/home/u/Music/ｿﾝｸﾞ.mp3", {1, "/home/u/Music/ｿﾝｸﾞ.mp3"}},
      {std::nullopt, {0, ""}},  // Cancelled or failed.
      {longest, {1, longest}},
      {too_long, {0, ""}},
  };
  for (const Case& c : cases) {
    fake::FakeFileChooser chooser;
    ScopedService<FileChooser> service(chooser);
    chooser.Answer(c.answer);
    const Asked asked = Ask();
    EXPECT_EQ(asked.result, c.expected.result) << c.answer.value_or("(none)").size();
    EXPECT_EQ(asked.buffer, c.expected.buffer);
    // The chooser gets the owner, title and folder, and the first filter split into patterns.
    ASSERT_EQ(chooser.requests().size(), 1u);
    const FileChooserRequest& r = chooser.requests()[0];
    EXPECT_EQ(std::to_string(r.parent) + "|" + r.title + "|" + r.folder + "|" + r.filter_name +
                  "|" + r.patterns.at(0) + "|" + r.patterns.at(1) + "|" +
                  std::to_string(r.patterns.size()),
              "44040199|ﾌｧｲﾙを開く|/home/u/Music|BGMﾌｧｲﾙ (MP3 WAV)|*.MP3|*.WAV|2");
  }
}

// The program installs every service before it runs, so a service asked for before that is a
// mistake in its set-up: the program ends there in every build type, saying which service it was.
TEST(GetOpenFileNameADeathTest, WithoutAChooserTheProgramEndsNamingTheService) {
  EXPECT_DEATH(Ask(), "the file chooser service was used before it was installed");
}

}  // namespace
}  // namespace corvane::platform
