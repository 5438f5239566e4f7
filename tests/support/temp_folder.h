#pragma once

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::test_support {

// Paths are UTF-8 text; on Windows only a path made from them as such reaches files whose names
// the narrow code page cannot spell.
inline std::filesystem::path Path(std::string_view utf8) {
  return std::u8string(utf8.begin(), utf8.end());
}

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// (after giving back any write permission a test took away).
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const std::filesystem::path path =
          std::filesystem::temp_directory_path() / ("corvane-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(path)) path_ = path.string();
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder could be made");
  }
  ~TempFolder() {
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, error);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The system's own separator: Windows takes no other in a path it loads a library from.
  std::string operator/(const std::string& name) const {
    return path_ + static_cast<char>(std::filesystem::path::preferred_separator) + name;
  }

 private:
  std::string path_;
};

inline void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream(Path(path), std::ios::binary) << bytes;
}

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Permission bits do not stop the superuser, so tests of refused access skip when run as root.
inline bool RunningAsRoot() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() == 0;
#endif
}

}  // namespace corvane::test_support
