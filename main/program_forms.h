#pragma once

#include <memory>

#include "main/startup.h"

namespace corvane {

class Corvane_P;
class Corvane_R;
class Corvane_S;

// The forms of this program as start-up reaches them. Each form it loads lives here until the
// program ends.
class ProgramForms final : public StartupForms {
 public:
  ProgramForms();
  ~ProgramForms() override;

  void StartPreview(std::int32_t host_window) override;
  void ShowSettingsDialog() override;
  void LoadDisplay() override;
  void LoadHostedDisplay(std::uint32_t host_window) override;

 private:
  std::unique_ptr<Corvane_P> settings_;
  std::unique_ptr<Corvane_R> preview_;
  std::unique_ptr<Corvane_S> display_;
};

}  // namespace corvane
