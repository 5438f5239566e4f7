#include "app/program_forms.h"

#include "preview/corvane_r.h"
#include "preview/preview_startup.h"

namespace corvane {

ProgramForms::ProgramForms() = default;
ProgramForms::~ProgramForms() = default;

void ProgramForms::StartPreview(std::int32_t host_window) {
  preview_ = std::make_unique<Corvane_R>();
  corvane::StartPreview(*preview_, static_cast<platform::HWND>(host_window));
}

// The settings dialog and the display form are reached from here; until they exist they load
// nothing, and the program ends where they would have been loaded.
void ProgramForms::ShowSettingsDialog() {}

void ProgramForms::LoadDisplay() {}

}  // namespace corvane
