#pragma once

#include "app/startup.h"

namespace corvane {

// The forms of this program as start-up reaches them.
class ProgramForms final : public StartupForms {
 public:
  void StartPreview(std::int32_t host_window) override;
  void ShowSettingsDialog() override;
  void LoadDisplay() override;
};

}  // namespace corvane
