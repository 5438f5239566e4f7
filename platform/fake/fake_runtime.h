#pragma once

#include <map>
#include <string>

#include "os/runtime.h"

namespace corvane::platform {

// A runtime that answers what a test set.
class FakeRuntime final : public Runtime {
 public:
  std::string ArgumentText() override { return argument_text; }
  std::string EnvironmentValue(const std::string& name) override {
    const auto found = environment.find(name);
    return found != environment.end() ? found->second : std::string();
  }
  std::string ProgramFolder() override { return program_folder; }
  std::string SettingsFilePath() override { return settings_file_path; }

  std::string argument_text;
  std::map<std::string, std::string> environment;
  std::string program_folder;
  std::string settings_file_path;
};

}  // namespace corvane::platform
