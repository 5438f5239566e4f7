#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::test_support {

inline std::filesystem::path Path(const std::string& utf8) {
  return std::u8string(utf8.begin(), utf8.end());
}

// A fresh folder with a Japanese name under the system's temporary folder, so that every path a
// test makes has characters no narrow code page call could carry; removed with its content.
class TempFolder {
 public:
  TempFolder() { std::filesystem::create_directories(path_); }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string path() const {
    const std::u8string text = path_.u8string();
    return std::string(text.begin(), text.end());
  }
  std::string operator/(const std::string& name) const { return path() + "\\" + name; }

 private:
  const std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                      (L"corvane-テスト-" + std::to_wstring(GetCurrentProcessId()));
};

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(Path(path), std::ios::binary) << bytes;
}

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace corvane::test_support
