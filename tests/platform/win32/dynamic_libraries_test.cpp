#include "platform/win32/dynamic_libraries.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace corvane::platform::win32 {
namespace {

TEST(Win32DynamicLibraries, LoadsByAJapanesePathCountsLoadsAndRefusesNull) {
  test_support::TempFolder temp;
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  const std::string path = temp / "効果.dll";
  std::filesystem::copy_file(std::filesystem::path(program).parent_path() / "win32_test_module.dll",
                             test_support::Path(path));
  Win32DynamicLibraries libraries;
  const HMODULE module = libraries.LoadLibraryA(path);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(libraries.LoadLibraryA(path), module);
  const auto answer =
      reinterpret_cast<int (*)()>(libraries.GetProcAddress(module, "CorvaneTestAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(libraries.GetProcAddress(module, "Missing"), nullptr);
  EXPECT_EQ(libraries.GetProcAddress(nullptr, "GetProcAddress"), nullptr);
  EXPECT_TRUE(libraries.FreeLibrary(module));
  EXPECT_NE(GetModuleHandleW(test_support::Path(path).c_str()), nullptr) << "loaded twice";
  EXPECT_TRUE(libraries.FreeLibrary(module));
  EXPECT_EQ(GetModuleHandleW(test_support::Path(path).c_str()), nullptr);
  EXPECT_FALSE(libraries.FreeLibrary(nullptr));
  EXPECT_EQ(libraries.LoadLibraryA(temp / "なし.dll"), nullptr);
}

}  // namespace
}  // namespace corvane::platform::win32
