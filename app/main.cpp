// Corvane.scr: the program's entry. It puts the real platform services in place, runs start-up,
// and then lives on the loaded form's events until the last form is unloaded.

#include <memory>

#include "app/program_forms.h"
#include "app/startup.h"
#include "platform/desktop/system_font_loader.h"
#include "platform/forms/form.h"
#include "platform/gfx/font.h"
#include "platform/media/media_service.h"
#include "platform/media/real_media_service.h"
#include "platform/posix/dlopen_libraries.h"
#include "platform/posix/posix_profile_store.h"
#include "platform/posix/posix_runtime.h"
#include "platform/service.h"
#include "platform/window_message_box.h"
#include "platform/x11/platform.h"

int main(int argc, char** argv) {
  using namespace corvane::platform;

  PosixRuntime runtime = PosixRuntime::FromMain(argc, argv);
  ScopedService<Runtime> runtime_service(runtime);
  PosixProfileStore profiles;
  ScopedService<ProfileStore> profile_service(profiles);
  DlopenLibraries libraries;
  ScopedService<DynamicLibraries> library_service(libraries);

  // Without an X server there is nothing to show: X11Platform::Open has said why on stderr.
  std::unique_ptr<x11::X11Platform> x11 = x11::X11Platform::Open();
  if (!x11) return 1;

  SystemFontLoader fonts;
  ScopedService<corvane::gfx::FontLoader> font_service(fonts);
  WindowMessageBox message_box;
  ScopedService<MessageBoxService> message_box_service(message_box);
  std::unique_ptr<MediaService> media = CreateMediaService();
  ScopedService<MediaService> media_service(*media);

  corvane::ProgramForms forms;
  if (corvane::Main(forms) == corvane::StartupOutcome::kEndProgram) return 0;
  if (Form::LoadedCount() == 0) return 0;
  x11->loop().RunUntil([] { return false; });
  return x11->loop().ExitCode();
}
