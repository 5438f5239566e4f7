#pragma once

#include "os/profile_store.h"

namespace corvane::platform::win32 {

// Profile files on the system's disks, named by UTF-8 paths whatever the system's code page. A
// replacement is written to a temporary file beside the target, flushed and moved over it, so a
// crash or a failed write never leaves a half-written settings file; why a write failed goes to
// standard error.
class Win32ProfileStore final : public ProfileStore {
 public:
  ProfileFile Load(const std::string& path) override;
  bool Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace corvane::platform::win32
