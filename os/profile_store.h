#pragma once

#include <string>

namespace corvane::platform {

// The whole content of a profile file as bytes, or why there is none.
struct ProfileFile {
  enum class State {
    kRead,
    kMissing,     // no file at the path: reads as an empty file
    kUnreadable,  // something is there but cannot be read; it must not be replaced blindly
  };
  State state = State::kMissing;
  std::string bytes;
};

// Where profile files are kept. Reading and editing happen in memory (IniText); the store only
// loads a file whole and replaces it whole, so that a failed write leaves the old file in place.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  static constexpr const char* kServiceName = "profile store";

  virtual ProfileFile Load(const std::string& path) = 0;

  // Replaces the file at path with bytes, creating it (and its missing folders) when needed.
  // Either the new content is in place afterwards or the old file is untouched.
  virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace corvane::platform
