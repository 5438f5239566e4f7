#include "platform/posix/posix_profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

using test_support::ReadFileBytes;
using test_support::TempFolder;
using test_support::WriteFileBytes;

std::size_t EntriesIn(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(PosixProfileStore, LoadTellsMissingFromUnreadable) {
  TempFolder temp;
  PosixProfileStore store;
  WriteFileBytes(temp / "a.ini", std::string("x\0\r\ny", 5));
  std::filesystem::create_directory(temp / "folder.ini");

  const ProfileFile file = store.Load(temp / "a.ini");
  EXPECT_EQ(file.state, ProfileFile::State::kRead);
  EXPECT_EQ(file.bytes, std::string("x\0\r\ny", 5));
  EXPECT_EQ(store.Load(temp / "missing.ini").state, ProfileFile::State::kMissing);
  EXPECT_EQ(store.Load(temp / "a.ini/below").state, ProfileFile::State::kMissing);
  EXPECT_EQ(store.Load(temp / "folder.ini").state, ProfileFile::State::kUnreadable);
}

TEST(PosixProfileStore, ReplaceWritesExactBytesAndLeavesNothingElse) {
  TempFolder temp;
  PosixProfileStore store;
  const std::string path = temp / "Corvane.ini";
  ASSERT_TRUE(store.Replace(path, "[S]\r\nk=1\r\n"));
  EXPECT_EQ(ReadFileBytes(path), "[S]\r\nk=1\r\n");

  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(store.Replace(path, "new"));
  EXPECT_EQ(ReadFileBytes(path), "new");
  EXPECT_EQ(ModeOf(path), 0640u) << "the replacement keeps the old file's permissions";
  EXPECT_EQ(EntriesIn(temp.path()), 1u) << "no temporary file left behind";
}

TEST(PosixProfileStore, ReplaceCreatesMissingFoldersPrivateToTheUser) {
  TempFolder temp;
  PosixProfileStore store;
  const std::string path = temp / "config/corvane/Corvane.ini";
  ASSERT_TRUE(store.Replace(path, "x"));
  EXPECT_EQ(ReadFileBytes(path), "x");
  EXPECT_EQ(ModeOf(temp / "config/corvane"), 0700u);
}

TEST(PosixProfileStore, FailedReplaceLeavesTheOldFile) {
  TempFolder temp;
  PosixProfileStore store;

  // A directory where the file should be: refused, and the directory is left as it was.
  std::filesystem::create_directory(temp / "dir.ini");
  WriteFileBytes(temp / "dir.ini/inside", "keep");
  EXPECT_FALSE(store.Replace(temp / "dir.ini", "x"));
  EXPECT_EQ(ReadFileBytes(temp / "dir.ini/inside"), "keep");

  // A folder in the way of the path's folder.
  WriteFileBytes(temp / "plain", "p");
  EXPECT_FALSE(store.Replace(temp / "plain/Corvane.ini", "x"));
  EXPECT_EQ(ReadFileBytes(temp / "plain"), "p");
  EXPECT_EQ(EntriesIn(temp.path()), 2u);
}

TEST(PosixProfileStore, ReadOnlyFolderKeepsTheOldFile) {
  if (test_support::RunningAsRoot()) GTEST_SKIP() << "permissions do not bind the superuser";
  TempFolder temp;
  PosixProfileStore store;
  const std::string locked = temp / "locked";
  std::filesystem::create_directory(locked);
  WriteFileBytes(locked + "/Corvane.ini", "old");
  ::chmod(locked.c_str(), 0555);
  EXPECT_FALSE(store.Replace(locked + "/Corvane.ini", "new"));
  EXPECT_EQ(ReadFileBytes(locked + "/Corvane.ini"), "old");
  EXPECT_EQ(EntriesIn(locked), 1u);

  ::chmod((locked + "/Corvane.ini").c_str(), 0);
  EXPECT_EQ(store.Load(locked + "/Corvane.ini").state, ProfileFile::State::kUnreadable);
}

}  // namespace
}  // namespace corvane::platform
