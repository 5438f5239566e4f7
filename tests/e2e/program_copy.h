#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

// A copy of Corvane.scr from the build in a fresh folder of its own, with its media module and with
// or without the effect library beside it, as a user would install it. The folder also holds a
// private configuration folder (for XDG_CONFIG_HOME), so a run can never reach the user's own
// settings, and the copy has a private runtime folder (XDG_RUNTIME_DIR, outside the listing) for
// its claim on the display.
class ProgramCopy {
 public:
  // build_folder holds the built Corvane.scr, corvane-media.so and Corvane.dll.
  ProgramCopy(const std::string& build_folder, bool with_library);

  const std::string& program() const { return program_; }
  std::string Path(const std::string& name) const { return folder_ / name; }
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

}  // namespace corvane::e2e
