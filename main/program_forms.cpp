#include "main/program_forms.h"

#include "display/corvane_s.h"
#include "preview/corvane_r.h"
#include "preview/preview_startup.h"
#include "settings/corvane_p.h"

namespace corvane {

ProgramForms::ProgramForms() = default;
ProgramForms::~ProgramForms() = default;

void ProgramForms::StartPreview(std::int32_t host_window) {
  preview_ = std::make_unique<Corvane_R>();
  corvane::StartPreview(*preview_, static_cast<platform::HWND>(host_window));
}

void ProgramForms::ShowSettingsDialog() {
  settings_ = std::make_unique<Corvane_P>();
  settings_->Show(platform::ShowMode::kModal);
}

void ProgramForms::LoadDisplay() {
  display_ = std::make_unique<Corvane_S>();
  display_->Load();
}

void ProgramForms::LoadHostedDisplay(std::uint32_t host_window) {
  display_ = std::make_unique<Corvane_S>();
  display_->HostIn(host_window);
  display_->Load();
}

}  // namespace corvane
