#include "platform/win32/runtime.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/win32/wide_text.h"
#include "tests/support/temp_folder.h"

namespace corvane::platform::win32 {
namespace {

TEST(Win32Runtime, SplitsTheCommandLineAsTheSystemDoesAndDropsTheProgram) {
  const struct {
    const wchar_t* line;
    const char* text;
  } cases[] = {
      {L"\"C:\\Program Files\\Corvane.scr\" /p 1234", "/p 1234"},
      {L"Corvane.scr   /c:1234  ", "/c:1234"},
      {L"Corvane.scr /s \"\" \"音楽 ﾌｧｲﾙ\"", "/s  音楽 ﾌｧｲﾙ"},
      {L"Corvane.scr", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Win32Runtime::ArgumentTextOf(c.line), c.text);
}

TEST(Win32Runtime, ReadsTheProcesssFolderAndEnvironmentInUtf8) {
  Win32Runtime runtime = Win32Runtime::FromProcess();
  EXPECT_TRUE(std::filesystem::is_regular_file(test_support::Path(runtime.ProgramFolder()) /
                                               "win32_test.exe"));
  SetEnvironmentVariableW(L"CORVANE_名前", L"値 ｱ");
  EXPECT_EQ(runtime.EnvironmentValue("CORVANE_名前"), "値 ｱ");
  EXPECT_EQ(runtime.EnvironmentValue("CORVANE_UNSET"), "");
}

TEST(Win32Runtime, SettingsFileIsBesideTheProgramOrInAppDataDecidedOnce) {
  // A program folder whose name no narrow code page call could carry.
  test_support::TempFolder temp;
  const std::string folder = temp / "テスト";
  std::filesystem::create_directory(test_support::Path(folder));
  test_support::WriteFileBytes(folder + "\\ファイル", "");
  wchar_t appdata[MAX_PATH];
  GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
  const std::string roaming = Narrow(appdata) + "\\Corvane\\Corvane.ini";
  const struct {
    std::string program_folder, expected;
  } cases[] = {
      {folder, folder + "\\Corvane.ini"},
      {folder + "\\なし", roaming},
      {folder + "\\ファイル", roaming},
      {"Q:\\nowhere", roaming},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Win32Runtime("", c.program_folder).SettingsFilePath(), c.expected);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test_support::Path(folder)), {}), 1)
      << "the trial file is gone";

  Win32Runtime runtime("", folder + "\\later");
  EXPECT_EQ(runtime.SettingsFilePath(), roaming);
  std::filesystem::create_directory(test_support::Path(folder + "\\later"));
  EXPECT_EQ(runtime.SettingsFilePath(), roaming) << "decided once per run";
}

}  // namespace
}  // namespace corvane::platform::win32
