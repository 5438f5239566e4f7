#include "platform/win32/profile_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "os/readable_file.h"
#include "tests/support/temp_folder.h"

namespace corvane::platform::win32 {
namespace {

using State = ProfileFile::State;
using namespace test_support;

long EntriesIn(const std::string& folder) {
  return std::distance(std::filesystem::directory_iterator(Path(folder)), {});
}

TEST(Win32ProfileStore, ReplacesWholeInNewFoldersAndLoadsTheExactBytes) {
  TempFolder temp;
  Win32ProfileStore store;
  const std::string path = temp / "設定/Corvane/Corvane.ini";
  const std::string bytes("[S]\r\n\0k=\x95\x5C\r\n", 11);
  ASSERT_TRUE(store.Replace(path, bytes));
  EXPECT_EQ(ReadFileBytes(path), bytes);
  ASSERT_TRUE(store.Replace(path, "new"));
  const ProfileFile loaded = store.Load(path);
  EXPECT_EQ(loaded.state, State::kRead);
  EXPECT_EQ(loaded.bytes, "new");
  EXPECT_EQ(EntriesIn(temp / "設定/Corvane"), 1) << "no temporary file left behind";
}

TEST(Win32ProfileStore, TellsMissingFromUnreadableAndAFailedReplaceLeavesTheOldFile) {
  TempFolder temp;
  Win32ProfileStore store;
  WriteFileBytes(temp / "ファイル", "p");
  std::filesystem::create_directory(Path(temp / "フォルダ.ini"));
  EXPECT_EQ(store.Load(temp / "ない.ini").state, State::kMissing);
  EXPECT_EQ(store.Load(temp / "ファイル/下").state, State::kMissing);
  EXPECT_EQ(store.Load(temp / "フォルダ.ini").state, State::kUnreadable);
  EXPECT_EQ(store.Load("\\\\.\\NUL").state, State::kUnreadable);
  EXPECT_FALSE(store.Replace(temp / "フォルダ.ini", "x"));
  EXPECT_FALSE(store.Replace(temp / "ファイル/Corvane.ini", "x")) << "a file in the folder's place";
  EXPECT_EQ(ReadFileBytes(temp / "ファイル"), "p");

  const std::string locked = temp / "読み取り専用.ini";
  WriteFileBytes(locked, "old");
  SetFileAttributesW(Path(locked).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(store.Replace(locked, "new"));
  EXPECT_EQ(ReadFileBytes(locked), "old");
  EXPECT_EQ(EntriesIn(temp.path()), 3) << "no temporary file left behind";
  SetFileAttributesW(Path(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Win32ReadableFile, ReadsAtOffsetsAndNamesOnlyDrivesAsDevices) {
  TempFolder temp;
  WriteFileBytes(temp / "音楽.wav", "0123456789");
  const ReadableFile file(temp / "音楽.wav");
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Size(), 10);
  char buffer[8] = {};
  EXPECT_EQ(file.ReadAt(6, buffer, sizeof buffer), 4u);
  EXPECT_EQ(std::string(buffer, 4), "6789");
  EXPECT_EQ(file.ReadAt(2, buffer, 3), 3u);
  EXPECT_EQ(std::string(buffer, 3), "234");
  EXPECT_EQ(ReadableFile(temp.path()).Why(), ReadableFile::Problem::kNotRegular);
  EXPECT_TRUE(IsBlockDevice("\\\\.\\c:") && !IsBlockDevice("C:\\windows"));
}

}  // namespace
}  // namespace corvane::platform::win32
