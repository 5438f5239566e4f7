#include "app/program_forms.h"

namespace corvane {

// The preview, the settings dialog and the display form are reached from here; a form that does
// not exist yet loads nothing, and the program ends where it would have been loaded.
void ProgramForms::StartPreview(std::int32_t) {}

void ProgramForms::ShowSettingsDialog() {}

void ProgramForms::LoadDisplay() {}

}  // namespace corvane
