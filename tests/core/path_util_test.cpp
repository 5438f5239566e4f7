#include "core/path_util.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace corvane {
namespace {

using test_support::TempFolder;

TEST(GetFolder, CutsAtTheLastSeparator) {
  struct Case {
    std::string path;
    std::string folder;
  };
  const Case cases[] = {
      {"C:\\Music\\a.mp3", "C:\\Music"},  {"a.mp3", ""},
      {"C:\\Music\\", "C:\\Music"},       {"/home/u/Music/a.mp3", "/home/u/Music"},
      {"/mnt/c:\\x/a.mp3", "/mnt/c:\\x"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetFolder(c.path), c.folder) << c.path;
}

TEST(FileExists, IsTrueOnlyForReadableRegularFiles) {
  TempFolder temp;
  const std::string file = temp / "a.mp3";
  test_support::WriteFileBytes(file, "x");
  std::filesystem::create_directory(temp / "folder");
  // A name the system's code page may not hold: the program's paths are UTF-8 on every system.
  const std::u8string japanese = u8"表示ソフト.mp3";
  std::ofstream(std::filesystem::path(temp.path()) / japanese) << "x";

  struct Case {
    std::string path;
    bool exists;
  };
  std::vector<Case> cases = {
      {file, true},
      {file + "/", true},
      {file + "\\", true},
      {file + "//", false},
      {temp / "folder", false},
      {"", false},
      {temp / std::string(japanese.begin(), japanese.end()), true},
  };
#ifndef _WIN32
  ::mkfifo((temp / "pipe").c_str(), 0600);
  std::filesystem::create_symlink(file, temp / "link");
  cases.push_back({temp / "link", true});
  cases.push_back({temp / "pipe", false});
#endif
  for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

#ifndef _WIN32
TEST(FileExists, IsFalseForAFileWithoutReadPermission) {
  if (test_support::RunningAsRoot()) GTEST_SKIP() << "permissions do not bind the superuser";
  TempFolder temp;
  const std::string file = temp / "a.mp3";
  test_support::WriteFileBytes(file, "x");
  ::chmod(file.c_str(), 0200);
  EXPECT_FALSE(FileExists(file)) << "a file without read permission";
}
#endif

}  // namespace
}  // namespace corvane
