#include "platform/posix/posix_runtime.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

TEST(PosixRuntime, FromMainJoinsTheArgumentsAndFindsTheExecutablesFolder) {
  char program[] = "/nowhere/else/Corvane.scr", first[] = "/p", empty[] = "", second[] = "99";
  char* argv[] = {program, first, empty, second, nullptr};
  PosixRuntime runtime = PosixRuntime::FromMain(4, argv);
  EXPECT_EQ(runtime.ArgumentText(), "/p  99") << "empty arguments keep their place";
  // The folder comes from the running executable, this test program, not from argv[0].
  EXPECT_TRUE(std::filesystem::is_regular_file(runtime.ProgramFolder() + "/posix_test"));
}

TEST(PosixRuntime, SettingsFileIsBesideTheProgramOrInTheUserConfigFolderDecidedOnce) {
  test_support::TempFolder temp;
  const std::string home = temp / "home", xdg = temp / "xdg";
  const std::string in_xdg = xdg + "/corvane/Corvane.ini";
  test_support::WriteFileBytes(temp / "file", "");
  std::filesystem::create_directory(temp / "readonly");
  ::chmod((temp / "readonly").c_str(), 0555);
  struct Case {
    std::string program_folder;
    std::optional<std::string> xdg_config_home;
    std::string expected;
  };
  std::vector<Case> cases = {{temp.path(), xdg, temp / "Corvane.ini"},
                             {temp / "absent", xdg, in_xdg},
                             {temp / "absent", std::nullopt, home + "/.config/corvane/Corvane.ini"},
                             {temp / "file", "rel", home + "/.config/corvane/Corvane.ini"}};
  if (!test_support::RunningAsRoot()) cases.push_back({temp / "readonly", xdg, in_xdg});
  ::setenv("HOME", home.c_str(), 1);
  for (const Case& c : cases) {
    const auto& value = c.xdg_config_home;
    value ? ::setenv("XDG_CONFIG_HOME", value->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PosixRuntime({}, c.program_folder).SettingsFilePath(), c.expected);
  }

  ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  PosixRuntime runtime({}, temp / "absent");
  EXPECT_EQ(runtime.SettingsFilePath(), in_xdg);
  ::setenv("XDG_CONFIG_HOME", (temp / "elsewhere").c_str(), 1);
  EXPECT_EQ(runtime.SettingsFilePath(), in_xdg) << "decided once per run";
  EXPECT_FALSE(std::filesystem::exists(home)) << "nothing made before a write";
}

}  // namespace
}  // namespace corvane::platform
