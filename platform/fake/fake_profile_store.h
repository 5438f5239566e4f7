#pragma once

#include <map>
#include <set>
#include <string>

#include "os/profile_store.h"

namespace corvane::platform {

// Profile files held in memory, for tests. Paths listed in unreadable load as unreadable; while
// fail_writes is set every replacement fails and changes nothing.
class FakeProfileStore final : public ProfileStore {
 public:
  ProfileFile Load(const std::string& path) override {
    if (unreadable.count(path) != 0) return {ProfileFile::State::kUnreadable, {}};
    const auto found = files.find(path);
    if (found == files.end()) return {ProfileFile::State::kMissing, {}};
    return {ProfileFile::State::kRead, found->second};
  }

  bool Replace(const std::string& path, const std::string& bytes) override {
    ++replace_calls;
    if (fail_writes) return false;
    files[path] = bytes;
    return true;
  }

  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;
  bool fail_writes = false;
  int replace_calls = 0;
};

}  // namespace corvane::platform
