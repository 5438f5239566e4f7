#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

// A copy of Corvane.scr from the build in a fresh folder of its own, with or without the effect
// library beside it, as a user would install it. The folder also holds a private configuration
// folder (for XDG_CONFIG_HOME), so a run can never reach the user's own settings, and the copy
// has a private runtime folder (XDG_RUNTIME_DIR, outside the listing) for its claim on the display.
class ProgramCopy {
 public:
  // build_folder holds the built Corvane.scr and Corvane.dll.
  ProgramCopy(const std::string& build_folder, bool with_library);

  const std::string& program() const { return program_; }
  std::string Path(const std::string& name) const { return folder_ / name; }
  const std::string& config_folder() const { return config_; }
  // The environment entries that keep the run inside this copy's folders.
  std::vector<std::string> Environment() const {
    return {"XDG_CONFIG_HOME=" + config_, "XDG_RUNTIME_DIR=" + runtime_.path()};
  }

 private:
  test_support::TempFolder folder_;
  test_support::TempFolder runtime_;
  std::string program_;
  std::string config_;
};

// Records which files of one folder are opened or created (inotify), from construction on.
class FolderWatch {
 public:
  explicit FolderWatch(const std::string& folder);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Names opened or created since the last call, in order, as "open NAME" or "create NAME".
  std::vector<std::string> Take();

 private:
  int fd_ = -1;
};

}  // namespace corvane::e2e
