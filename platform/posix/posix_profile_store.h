#pragma once

#include "os/profile_store.h"

namespace corvane::platform {

// Profile files on the local file system. A replacement is written to a temporary file beside the
// target, flushed to disk and renamed over the target, so a crash or a failed write never leaves a
// half-written settings file; the replacement keeps the old file's permissions. A settings file
// that is a symbolic link is written through the link, which stays.
class PosixProfileStore final : public ProfileStore {
 public:
  ProfileFile Load(const std::string& path) override;
  bool Replace(const std::string& path, const std::string& bytes) override;
};

}  // namespace corvane::platform
