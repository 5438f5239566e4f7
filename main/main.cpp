// Corvane.scr: the program's entry. It puts the platform's services in place, runs start-up, and
// then lives on the loaded form's events until the last form is unloaded.

#include <memory>

#include "main/platform_services.h"
#include "main/program_forms.h"
#include "main/startup.h"
#include "toolkit/form.h"

int main(int argc, char** argv) {
  std::unique_ptr<corvane::PlatformServices> services =
      corvane::PlatformServices::Install(argc, argv);
  if (!services) return 1;

  corvane::ProgramForms forms;
  if (corvane::Main(forms) == corvane::StartupOutcome::kEndProgram) return 0;
  if (corvane::platform::Form::LoadedCount() == 0) return 0;
  return services->RunEventLoop();
}
