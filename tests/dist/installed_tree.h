#pragma once

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

// The build installed into a fresh DESTDIR, as `make install` lays it out under the configured
// prefix; or, when CORVANE_UNPACKED_TREE names a folder (a package unpacked by tools/check-deb.sh),
// that folder as it is. ok() is false, and error() says why, when the installation failed.
class InstalledTree {
 public:
  InstalledTree() {
    if (const char* unpacked = std::getenv("CORVANE_UNPACKED_TREE")) {
      root_path_ = unpacked;
      ok_ = true;
      return;
    }
    const std::string command = "DESTDIR='" + root_path_ + "' '" CORVANE_CMAKE "' --install '" +
                                CORVANE_BUILD_TREE + "' >'" + log_ + "' 2>&1";
    ok_ = std::system(command.c_str()) == 0;
  }

  bool ok() const { return ok_; }
  std::string error() const { return test_support::ReadFileBytes(log_); }
  // The DESTDIR itself.
  const std::string& root() const { return root_path_; }
  // A path under the prefix ("bin/corvane"), or under the root when it starts with "/".
  std::string Path(const std::string& relative) const {
    return relative.starts_with('/') ? root_path_ + relative
                                     : root_path_ + CORVANE_INSTALL_PREFIX "/" + relative;
  }

 private:
  test_support::TempFolder folder_;
  test_support::TempFolder log_folder_;
  std::string root_path_ = folder_.path();
  std::string log_ = log_folder_ / "install.log";
  bool ok_ = false;
};

}  // namespace corvane::e2e
