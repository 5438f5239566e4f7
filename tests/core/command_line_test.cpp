#include "core/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace {

TEST(CommandLine, ModeLetterIsTheSecondCharacterUpperCased) {
  const std::vector<std::pair<std::string, char>> cases = {
      {"/s", 'S'}, {"-s", 'S'},      {"xS", 'S'},      {"/S", 'S'}, {"S", '\0'}, {"", '\0'},
      {"/c", 'C'}, {"/c:1234", 'C'}, {"/p 1234", 'P'}, {"/a", 'A'}, {"/x", 'X'}, {"//", '/'}};
  for (const auto& [text, letter] : cases) EXPECT_EQ(ModeLetter(text), letter) << text;
}

TEST(CommandLine, HostHandleReadsDigitsFromTheFourthCharacter) {
  const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
      {"/p 1234", 1234},
      {"/p:1234", 1234},
      {"/p", 0},
      {"/p  12 34 ", 1234},  // blanks are ignored, also between digits
      {"/p 12x4", 12},       // reading stops at the first other character
      {"/p -5", 0},
      {"/p 2147483647", 2147483647},
      {"/p 2147483648", std::nullopt},
  };
  for (const auto& [text, handle] : cases) EXPECT_EQ(HostWindowHandle(text), handle) << text;
}

TEST(CommandLine, HostedWindowComesFromTheHostsSwitchesOrItsVariable) {
  struct Case {
    std::string text;
    std::string variable;
    std::optional<std::uint32_t> window;
  };
  const std::vector<Case> cases = {
      {"/s", "0x10", std::nullopt},  // the Windows-style switches keep their meaning
      {"", "0xA", 10},               // a bare command under a host
      {"--root -fps", "0x1f", 31},
      {"-root", "", 0},  // asked to be hosted, but no window named
      {"-window-id 1234", "", 1234},
      {"--window-id 0x4a0000B", "0x10", 0x4a0000B},  // the switch wins over the variable
      {"--window-id 12ab", "", 0},
      {"--window-id 0x100000000", "", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HostedWindow(c.text, c.variable), c.window) << c.text << " / " << c.variable;
  }
}

}  // namespace
}  // namespace corvane
