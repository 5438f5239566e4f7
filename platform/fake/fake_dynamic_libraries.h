#pragma once

#include <map>
#include <string>
#include <vector>

#include "os/dynamic_library.h"

namespace corvane::platform {

// Libraries that exist only in a test: each path is given its entry points, and every load and free
// is recorded, so a test can check what the program loaded and that it let go of it.
class FakeDynamicLibraries final : public DynamicLibraries {
 public:
  // Makes a library loadable under path, exporting the given functions.
  void Provide(const std::string& path, std::map<std::string, FARPROC> exports) {
    libraries_[path].exports = std::move(exports);
  }

  HMODULE LoadLibraryA(const std::string& path) override {
    loads_.push_back(path);
    const auto it = libraries_.find(path);
    if (it == libraries_.end()) return nullptr;
    ++it->second.load_count;
    return reinterpret_cast<HMODULE>(&it->second);
  }

  FARPROC GetProcAddress(HMODULE module, const std::string& name) override {
    const Library* library = Find(module);
    if (library == nullptr) return nullptr;
    const auto it = library->exports.find(name);
    return it == library->exports.end() ? nullptr : it->second;
  }

  bool FreeLibrary(HMODULE module) override {
    Library* library = Find(module);
    if (library == nullptr) return false;
    --library->load_count;
    return true;
  }

  // Every path passed to LoadLibraryA, in order, whether it loaded or not.
  const std::vector<std::string>& loads() const { return loads_; }

  // How many loads of the library at path have not been freed yet.
  int LoadCount(const std::string& path) const {
    const auto it = libraries_.find(path);
    return it == libraries_.end() ? 0 : it->second.load_count;
  }

 private:
  struct Library {
    std::map<std::string, FARPROC> exports;
    int load_count = 0;
  };

  // The library behind a module this fake handed out and that is still loaded, or null.
  Library* Find(HMODULE module) {
    for (auto& [path, library] : libraries_) {
      if (reinterpret_cast<HMODULE>(&library) == module && library.load_count > 0) return &library;
    }
    return nullptr;
  }

  std::map<std::string, Library> libraries_;
  std::vector<std::string> loads_;
};

}  // namespace corvane::platform
