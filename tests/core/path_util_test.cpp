#include "core/path_util.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

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
  ::mkfifo((temp / "pipe").c_str(), 0600);
  std::filesystem::create_symlink(file, temp / "link");

  struct Case {
    std::string path;
    bool exists;
  };
  const Case cases[] = {
      {file, true},          {file + "/", true},       {file + "\\", true},    {file + "//", false},
      {temp / "link", true}, {temp / "folder", false}, {temp / "pipe", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST(FileExists, IsFalseForAFileWithoutReadPermission) {
  if (test_support::RunningAsRoot()) GTEST_SKIP() << "permissions do not bind the superuser";
  TempFolder temp;
  const std::string file = temp / "a.mp3";
  test_support::WriteFileBytes(file, "x");
  ::chmod(file.c_str(), 0200);
  EXPECT_FALSE(FileExists(file)) << "a file without read permission";
}

}  // namespace
}  // namespace corvane
