#include "platform/posix/posix_runtime.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/posix_profile_store.h"
#include "platform/profile/profile.h"
#include "platform/service.h"
#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

using test_support::TempFolder;

// Sets an environment variable (or removes it, for nothing) and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name_, value->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixRuntime, ArgumentTextJoinsTheArgumentsWithSingleBlanks) {
  struct Case {
    std::vector<std::string> arguments;
    std::string text;
  };
  const Case cases[] = {
      {{}, ""},
      {{"/s"}, "/s"},
      {{"/p", "1234"}, "/p 1234"},
      {{"", "x"}, " x"},
      {{"/p", "", "1"}, "/p  1"},
      {{"a b"}, "a b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PosixRuntime(c.arguments, "/x").ArgumentText(), c.text);
  }
}

TEST(PosixRuntime, FromMainSkipsTheProgramPathAndFindsTheExecutablesFolder) {
  char program[] = "/nowhere/else/Corvane.scr";
  char first[] = "/p";
  char second[] = "99";
  char* argv[] = {program, first, second, nullptr};
  PosixRuntime runtime = PosixRuntime::FromMain(3, argv);
  EXPECT_EQ(runtime.ArgumentText(), "/p 99");
  // The folder comes from the running executable, this test program, not from argv[0].
  EXPECT_TRUE(std::filesystem::is_regular_file(runtime.ProgramFolder() + "/posix_test"))
      << runtime.ProgramFolder();
}

TEST(PosixRuntime, SettingsFileIsBesideTheProgramOrInTheUserConfigFolder) {
  TempFolder temp;
  const std::string home = temp / "home";
  const std::string xdg = temp / "xdg";
  test_support::WriteFileBytes(temp / "file", "");
  std::filesystem::create_directory(temp / "readonly");
  ::chmod((temp / "readonly").c_str(), 0555);

  struct Case {
    const char* what;
    std::string program_folder;
    std::optional<std::string> xdg_config_home;
    std::string expected;
  };
  std::vector<Case> cases = {
      {"writable program folder", temp.path(), xdg, temp / "Corvane.ini"},
      {"XDG_CONFIG_HOME set", temp / "absent", xdg, xdg + "/corvane/Corvane.ini"},
      {"XDG_CONFIG_HOME unset", temp / "absent", std::nullopt,
       home + "/.config/corvane/Corvane.ini"},
      {"XDG_CONFIG_HOME empty", temp / "file", "", home + "/.config/corvane/Corvane.ini"},
      {"XDG_CONFIG_HOME relative", temp / "file", "rel", home + "/.config/corvane/Corvane.ini"},
  };
  if (!test_support::RunningAsRoot()) {
    cases.push_back({"read-only folder", temp / "readonly", xdg, xdg + "/corvane/Corvane.ini"});
  }
  ScopedEnv home_env("HOME", home);
  for (const Case& c : cases) {
    ScopedEnv xdg_env("XDG_CONFIG_HOME", c.xdg_config_home);
    EXPECT_EQ(PosixRuntime({}, c.program_folder).SettingsFilePath(), c.expected) << c.what;
  }
}

TEST(PosixRuntime, SettingsFileIsDecidedOncePerRunAndItsFolderMadeOnWrite) {
  TempFolder temp;
  ScopedEnv home_env("HOME", temp / "home");
  std::optional<ScopedEnv> xdg_env;
  xdg_env.emplace("XDG_CONFIG_HOME", temp / "xdg");
  PosixRuntime runtime({}, temp / "absent");
  const std::string path = runtime.SettingsFilePath();
  xdg_env.emplace("XDG_CONFIG_HOME", temp / "elsewhere");
  EXPECT_EQ(runtime.SettingsFilePath(), path);

  PosixProfileStore store;
  ScopedService<ProfileStore> installed(store);
  ASSERT_TRUE(WritePrivateProfileStringA("Section", "k", "v", path));
  EXPECT_EQ(test_support::ReadFileBytes(temp / "xdg/corvane/Corvane.ini"), "[Section]\r\nk=v\r\n");
  EXPECT_FALSE(std::filesystem::exists(temp / "home")) << "nothing written into the real home";
}

}  // namespace
}  // namespace corvane::platform
