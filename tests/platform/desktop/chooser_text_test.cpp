#include "platform/desktop/chooser_text.h"

#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(ChooserText, GlobsMatchInAnyCase) {
  EXPECT_EQ(AnyCaseGlob("*.MP3"), "*.[mM][pP]3");
  EXPECT_EQ(AnyCaseGlob("*.wav"), "*.[wW][aA][vV]");
}

TEST(ChooserText, OnlyOneAbsoluteLocalPathIsAnAnswer) {
  struct Case {
    std::optional<std::string> (*parse)(std::string_view);
    std::string_view text;
    std::optional<std::string> path;
  };
  const Case cases[] = {
      {PathFromFileUri, "file:///home/u/a%20b.mp3", "/home/u/a b.mp3"},
      {PathFromFileUri, "file://localhost/x.WAV", "/x.WAV"},
      {PathFromFileUri, "file:///%E3%82%A2.mp3", "/\xE3\x82\xA2.mp3"},
      {PathFromFileUri, "https://example.org/a.mp3", std::nullopt},
      {PathFromFileUri, "file://server/a.mp3", std::nullopt},
      {PathFromFileUri, "file:///a%2", std::nullopt},
      {PathFromFileUri, "file:///a%0Ab.mp3", std::nullopt},
      {PathFromFileUri, "file:///a%00b.mp3", std::nullopt},
      {PathFromOutput, "/music/a b.mp3\n", "/music/a b.mp3"},
      {PathFromOutput, "", std::nullopt},
      {PathFromOutput, "\n", std::nullopt},
      {PathFromOutput, "/a.mp3\n/b.mp3\n", std::nullopt},
      {PathFromOutput, "a.mp3\n", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(c.parse(c.text), c.path) << c.text;
}

}  // namespace
}  // namespace corvane::platform
