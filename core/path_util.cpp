#include "core/path_util.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <type_traits>

namespace corvane {

namespace {

// The program's paths are UTF-8. Where the system's own paths are wide, a narrow string would be
// read in the system's code page, so the path is made from its UTF-8 form there.
std::filesystem::path PathOf(const std::string& utf8) {
  if constexpr (std::is_same_v<std::filesystem::path::value_type, wchar_t>) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  } else {
    return std::filesystem::path(utf8);
  }
}

}  // namespace

bool FileExists(std::string path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  if (path.empty()) return false;
  const std::filesystem::path native = PathOf(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(native, error)) return false;
  std::ifstream file(native, std::ios::binary);
  return file.is_open();
}

// Not std::filesystem::path::parent_path: on POSIX that splits at "/" alone, while a settings
// file carried over from Windows names its music as C:\Music\a.mp3, and on Windows it keeps the
// separator after a drive ("C:\" where this gives "C:").
std::string GetFolder(const std::string& path) {
  const std::size_t last = path.find_last_of("/:\\");
  if (last == std::string::npos) return {};
  std::string folder = path.substr(0, last + 1);
  const bool root = folder == "/";
  if (!root && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace corvane
