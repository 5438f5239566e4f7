#include "core/path_util.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace corvane {

bool FileExists(std::string path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  if (path.empty()) return false;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
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
