#include "platform/posix/posix_runtime.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvane::platform {

namespace {

constexpr const char* kSettingsFileName = "Corvane.ini";

std::string FolderOfExecutable(const char* argv0) {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  // Without /proc (a chroot, say) the path the program was started by is the best there is.
  if (error && argv0 != nullptr) program = std::filesystem::absolute(argv0, error);
  if (error) return ".";
  return program.parent_path().string();
}

bool IsWritableFolder(const std::string& folder) {
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(folder.c_str(), W_OK) == 0;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

// The user's configuration folder; empty when neither variable gives one.
std::string UserConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return JoinPath(home, ".config");
  return {};
}

}  // namespace

PosixRuntime PosixRuntime::FromMain(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return PosixRuntime(std::move(arguments), FolderOfExecutable(argc > 0 ? argv[0] : nullptr));
}

PosixRuntime::PosixRuntime(std::vector<std::string> arguments, std::string program_folder)
    : program_folder_(std::move(program_folder)) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) argument_text_ += ' ';
    argument_text_ += arguments[i];
  }
}

std::string PosixRuntime::EnvironmentValue(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

std::string PosixRuntime::SettingsFilePath() {
  if (!settings_file_path_) {
    // The folder path is joined without looking for a separator at its end,
    // so the root gives "//Corvane.ini", which names the same file.
    std::string path = program_folder_ + "/" + kSettingsFileName;
    if (!IsWritableFolder(program_folder_)) {
      const std::string config = UserConfigFolder();
      // Without any home the file stays beside the program: read-only, but still found.
      if (!config.empty()) path = JoinPath(JoinPath(config, "corvane"), kSettingsFileName);
    }
    settings_file_path_ = path;
  }
  return *settings_file_path_;
}

}  // namespace corvane::platform
