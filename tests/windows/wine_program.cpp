#include "tests/windows/wine_program.h"

#include <filesystem>

namespace corvane::e2e {

WineProgram::WineProgram(const std::string& windows_build, bool with_library)
    : windows_build_(windows_build) {
  std::filesystem::copy_file(windows_build + "/Corvane.scr", folder_ / "Corvane.scr");
  if (with_library) {
    std::filesystem::copy_file(windows_build + "/Corvane.dll", folder_ / "Corvane.dll");
  }
}

std::vector<std::string> WineProgram::Arguments(const std::vector<std::string>& args) const {
  std::vector<std::string> all = {folder_ / "Corvane.scr"};
  all.insert(all.end(), args.begin(), args.end());
  return all;
}

std::vector<std::string> WineProgram::Environment(const std::string& windows_build) {
  // Quiet, and never an add-on installer or a crash dialog waiting for a user.
  return {"WINEPREFIX=" + windows_build + "/wine", "WINEDEBUG=-all",
          "WINEDLLOVERRIDES=mscoree,mshtml="};
}

}  // namespace corvane::e2e
