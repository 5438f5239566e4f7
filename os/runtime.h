#pragma once

#include <string>

namespace corvane::platform {

// What the program learns from the process it runs in.
class Runtime {
 public:
  virtual ~Runtime() = default;
  static constexpr const char* kServiceName = "runtime";

  // The command line after the program's own path: its arguments joined with single blanks, as
  // Windows passes it ("/p 1234", "/c:1234", or empty).
  virtual std::string ArgumentText() = 0;

  // The value of an environment variable; empty when it is unset.
  virtual std::string EnvironmentValue(const std::string& name) = 0;

  // The folder that holds the running program, without a trailing "/" (except the root itself).
  virtual std::string ProgramFolder() = 0;

  // The full path of the settings file Corvane.ini: beside the program, or in the user's
  // configuration folder when the program's folder is not writable. Decided on the first call
  // and kept for the rest of the run, so reads and writes always meet the same file.
  virtual std::string SettingsFilePath() = 0;
};

}  // namespace corvane::platform
