// The Windows platform: the system's windows, timers on the loop's own clock, GDI glyphs, the
// imaging component's pictures, and files, libraries and the instance lock through the wide
// calls. The window, drawing, media, file dialog and shell calls the program makes are the
// system's own, so no service stands in for them here.

#include "main/platform_services.h"

#include <memory>

#include "os/service.h"
#include "platform/win32/console_end.h"
#include "platform/win32/cursor_service.h"
#include "platform/win32/dynamic_libraries.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/gdi_font_loader.h"
#include "platform/win32/instance_lock.h"
#include "platform/win32/message_box.h"
#include "platform/win32/power_service.h"
#include "platform/win32/profile_store.h"
#include "platform/win32/runtime.h"
#include "platform/win32/window_service.h"

namespace corvane {

namespace {

using namespace platform;
using namespace platform::win32;

class WindowsServices final : public PlatformServices {
 public:
  int RunEventLoop() override {
    console_.HandOverToLoop();
    loop_.RunUntil([] { return false; });
    return loop_.ExitCode();
  }

 private:
  Win32Runtime runtime_ = Win32Runtime::FromProcess();
  ScopedService<Runtime> runtime_service_{runtime_};
  Win32ProfileStore profiles_;
  ScopedService<ProfileStore> profile_service_{profiles_};
  Win32DynamicLibraries libraries_;
  ScopedService<DynamicLibraries> library_service_{libraries_};
  GdiFontLoader fonts_;
  ScopedService<gfx::FontLoader> font_service_{fonts_};
  ConsoleEndRequests console_;
  Win32EventLoop loop_{console_};
  ScopedService<EventLoop> loop_service_{loop_};
  Win32WindowService windows_{[this] { loop_.RequestEnd(); }};
  ScopedService<WindowService> window_service_{windows_};
  Win32CursorService cursor_{windows_};
  ScopedService<CursorService> cursor_service_{cursor_};
  Win32PowerService power_;
  ScopedService<PowerService> power_service_{power_};
  MutexInstanceLock instance_lock_;
  ScopedService<InstanceLock> instance_lock_service_{instance_lock_};
  Win32MessageBoxService message_box_;
  ScopedService<MessageBoxService> message_box_service_{message_box_};
};

}  // namespace

std::unique_ptr<PlatformServices> PlatformServices::Install(int /*argc*/, char** /*argv*/) {
  // The arguments come from the system's own command line, in UTF-16, not from the narrow argv.
  return std::make_unique<WindowsServices>();
}

}  // namespace corvane
