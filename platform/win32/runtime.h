#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "os/runtime.h"

namespace corvane::platform::win32 {

// The runtime of a program started on Windows.
class Win32Runtime final : public Runtime {
 public:
  // From the process: its command line and the folder of its executable.
  static Win32Runtime FromProcess();

  // The argument text of a whole command line (the program's path first), split as the system
  // splits one into arguments and joined with single blanks, so that quoting and extra blanks read
  // as they do on Linux, where the shell has split the line already.
  static std::string ArgumentTextOf(std::wstring_view command_line);

  Win32Runtime(std::string argument_text, std::string program_folder);

  std::string ArgumentText() override { return argument_text_; }
  std::string EnvironmentValue(const std::string& name) override;
  std::string ProgramFolder() override { return program_folder_; }
  // Beside the program when files can be made in its folder, else in the user's roaming
  // application data folder, %APPDATA%\Corvane\Corvane.ini, as the Linux build falls back on
  // its configuration folder.
  std::string SettingsFilePath() override;

 private:
  std::string argument_text_;
  std::string program_folder_;
  std::optional<std::string> settings_file_path_;
};

}  // namespace corvane::platform::win32
