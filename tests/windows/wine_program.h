#pragma once

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

// A copy of the Windows build's Corvane.scr, with or without Corvane.dll beside it, in a fresh
// folder of its own (which Wine sees as a folder of drive Z:), run by Wine in the Windows build's
// prefix. The settings file is written beside the copy, since its folder is writable.
class WineProgram {
 public:
  // windows_build holds the cross-built Corvane.scr and Corvane.dll, and the prefix in wine/.
  WineProgram(const std::string& windows_build, bool with_library);

  static constexpr const char* kWine = "/usr/bin/wine";
  // Wine's arguments to run the copy with args.
  std::vector<std::string> Arguments(const std::vector<std::string>& args) const;
  std::vector<std::string> Environment() const { return Environment(windows_build_); }
  // Wine's environment for any program of the Windows build's prefix.
  static std::vector<std::string> Environment(const std::string& windows_build);
  std::string Path(const std::string& name) const { return folder_ / name; }

 private:
  test_support::TempFolder folder_;
  std::string windows_build_;
};

}  // namespace corvane::e2e
