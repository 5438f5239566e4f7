#include "platform/posix/posix_profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_folder.h"

namespace corvane::platform {
namespace {

using test_support::ReadFileBytes;
using test_support::WriteFileBytes;
using State = ProfileFile::State;

long EntriesIn(const std::string& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), {});
}

TEST(PosixProfileStore, ReplaceWritesExactBytesInPrivateFoldersAndLeavesNothingElse) {
  test_support::TempFolder temp;
  PosixProfileStore store;
  const std::string path = temp / "config/corvane/Corvane.ini";
  ASSERT_TRUE(store.Replace(path, std::string("[S]\r\n\0k=1\r\n", 10)));
  EXPECT_EQ(ReadFileBytes(path), std::string("[S]\r\n\0k=1\r\n", 10));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(store.Replace(path, "new"));
  EXPECT_EQ(ReadFileBytes(path), "new");
  struct stat parent {
  }, folder{}, file{};
  ::stat((temp / "config").c_str(), &parent);
  ::stat((temp / "config/corvane").c_str(), &folder);
  ::stat(path.c_str(), &file);
  EXPECT_EQ(parent.st_mode & 07777, 0700u) << "every folder made is private, not the last alone";
  EXPECT_EQ(folder.st_mode & 07777, 0700u);
  EXPECT_EQ(file.st_mode & 07777, 0640u) << "the replacement keeps the old file's permissions";
  EXPECT_EQ(EntriesIn(temp / "config/corvane"), 1) << "no temporary file left behind";
}

TEST(PosixProfileStore, LoadTellsMissingFromUnreadableAndFailedReplaceLeavesTheOldFile) {
  test_support::TempFolder temp;
  PosixProfileStore store;
  WriteFileBytes(temp / "plain", "p");
  std::filesystem::create_directory(temp / "dir.ini");
  WriteFileBytes(temp / "dir.ini/inside", "keep");
  EXPECT_EQ(store.Load(temp / "missing.ini").state, State::kMissing);
  EXPECT_EQ(store.Load(temp / "plain/below").state, State::kMissing);
  EXPECT_EQ(store.Load(temp / "dir.ini").state, State::kUnreadable);
  EXPECT_FALSE(store.Replace(temp / "dir.ini", "x"));
  EXPECT_EQ(ReadFileBytes(temp / "dir.ini/inside"), "keep");
  EXPECT_FALSE(store.Replace(temp / "plain/Corvane.ini", "x")) << "a file in the folder's place";
  EXPECT_EQ(ReadFileBytes(temp / "plain"), "p");
  EXPECT_EQ(EntriesIn(temp.path()), 2);
  if (test_support::RunningAsRoot()) return;  // Permissions do not bind the superuser.

  const std::string locked = temp / "locked", file = locked + "/Corvane.ini";
  std::filesystem::create_directory(locked);
  WriteFileBytes(file, "old");
  ::chmod(locked.c_str(), 0555);
  EXPECT_FALSE(store.Replace(file, "new"));
  EXPECT_EQ(ReadFileBytes(file), "old");
  EXPECT_EQ(EntriesIn(locked), 1);
  ::chmod(file.c_str(), 0);
  EXPECT_EQ(store.Load(file).state, State::kUnreadable);
}

// Settings kept in a folder of their own (dotfiles) are linked into place. A replacement goes to
// the file the links lead to, by a temporary file in that file's folder, and the links stay; when
// nothing can be written, the message says why and names where the links lead.
TEST(PosixProfileStore, ReplaceWritesThroughLinksAndLeavesThemLinks) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // Made in order; "@" is the folder.
    std::string written;  // The file that gets the bytes; empty when none may,
    std::string says;     // and then part of the message on standard error.
  };
  const Case cases[] = {
      {"a relative link", {{"c/Corvane.ini", "../d/Corvane.ini"}}, "d/Corvane.ini", ""},
      {"a chain",
       {{"c/Corvane.ini", "@/c/next"}, {"c/next", "../d/Corvane.ini"}},
       "d/Corvane.ini",
       ""},
      {"a dangling link", {{"c/Corvane.ini", "../d/new.ini"}}, "d/new.ini", ""},
      {"one into no folder", {{"c/Corvane.ini", "../no/a.ini"}}, "", "(a link to @/c/../no/a.ini)"},
      {"a loop", {{"c/Corvane.ini", "loop"}, {"c/loop", "Corvane.ini"}}, "", "cannot be followed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test_support::TempFolder temp;
    const auto at = [&temp](std::string text) {
      if (const std::size_t i = text.find('@'); i != text.npos) text.replace(i, 1, temp.path());
      return text;
    };
    std::filesystem::create_directory(temp / "c");
    std::filesystem::create_directory(temp / "d");
    WriteFileBytes(temp / "d/Corvane.ini", "old");
    for (const auto& [name, to] : c.links) std::filesystem::create_symlink(at(to), temp / name);

    testing::internal::CaptureStderr();
    EXPECT_EQ(PosixProfileStore().Replace(temp / "c/Corvane.ini", "new"), !c.written.empty());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(at(c.says)), said.npos) << said;
    for (const auto& [name, to] : c.links)
      EXPECT_EQ(std::filesystem::read_symlink(temp / name), at(to));
    EXPECT_EQ(EntriesIn(temp / "c"), static_cast<long>(c.links.size()));
    EXPECT_EQ(EntriesIn(temp / "d"), c.written == "d/new.ini" ? 2 : 1) << "a temporary file left";
    EXPECT_EQ(ReadFileBytes(temp / "d/Corvane.ini"), c.written == "d/Corvane.ini" ? "new" : "old");
    EXPECT_EQ(ReadFileBytes(temp / "d/new.ini"), c.written == "d/new.ini" ? "new" : "");
  }
}

}  // namespace
}  // namespace corvane::platform
