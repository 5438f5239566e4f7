#pragma once

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

// The build installed into a fresh DESTDIR, as `make install` lays it out under the configured
// prefix. ok() is false, and error() says why, when the installation failed.
class InstalledTree {
 public:
  InstalledTree() {
    const std::string command = "DESTDIR='" + root_.path() + "' '" CORVANE_CMAKE "' --install '" +
                                CORVANE_BUILD_TREE + "' >'" + root_.path() + "/.log' 2>&1";
    ok_ = std::system(command.c_str()) == 0;
  }

  bool ok() const { return ok_; }
  // The DESTDIR itself.
  const std::string& root() const { return root_.path(); }
  std::string error() const { return test_support::ReadFileBytes(root_.path() + "/.log"); }
  // A path under the prefix ("bin/corvane"), or under the root when it starts with "/".
  std::string Path(const std::string& relative) const {
    return relative.starts_with('/') ? root_.path() + relative
                                     : root_.path() + CORVANE_INSTALL_PREFIX "/" + relative;
  }

 private:
  test_support::TempFolder root_;
  bool ok_ = false;
};

}  // namespace corvane::e2e
