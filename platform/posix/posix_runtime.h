#pragma once

#include <optional>
#include <string>
#include <vector>

#include "os/runtime.h"

namespace corvane::platform {

// The runtime of a program started on Linux.
class PosixRuntime final : public Runtime {
 public:
  // From main's arguments; the program's folder is that of the running executable.
  static PosixRuntime FromMain(int argc, char** argv);

  // arguments are those after the program's path.
  PosixRuntime(std::vector<std::string> arguments, std::string program_folder);

  std::string ArgumentText() override { return argument_text_; }
  std::string EnvironmentValue(const std::string& name) override;
  std::string ProgramFolder() override { return program_folder_; }
  // Beside the program when its folder is writable, else $XDG_CONFIG_HOME/corvane/Corvane.ini
  // (an unset, empty or relative XDG_CONFIG_HOME means $HOME/.config), the way Windows
  // sent a legacy program's writes into a per-user store.
  std::string SettingsFilePath() override;

 private:
  std::string argument_text_;
  std::string program_folder_;
  std::optional<std::string> settings_file_path_;
};

}  // namespace corvane::platform
