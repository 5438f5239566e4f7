#include "tests/e2e/program_copy.h"

#include <filesystem>

namespace corvane::e2e {

namespace fs = std::filesystem;

ProgramCopy::ProgramCopy(const std::string& build_folder, bool with_library)
    : program_(folder_ / "Corvane.scr"), config_(folder_ / "config") {
  fs::copy_file(build_folder + "/Corvane.scr", program_);
  fs::copy_file(build_folder + "/corvane-media.so", folder_ / "corvane-media.so");
  if (with_library) fs::copy_file(build_folder + "/Corvane.dll", folder_ / "Corvane.dll");
  fs::create_directory(config_);
}

}  // namespace corvane::e2e
