// The Linux platform: POSIX files, runtime and dynamic loading, X11 windows, fontconfig fonts, the
// SDL2 media service, and the desktop's file chooser and opener of web addresses.

#include "main/platform_services.h"

#include <cstdlib>
#include <memory>
#include <optional>

#include "gfx/font.h"
#include "os/font_loader.h"
#include "os/service.h"
#include "platform/desktop/desktop_file_chooser.h"
#include "platform/desktop/xdg_launcher.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/posix/dlopen_libraries.h"
#include "platform/posix/flock_instance_lock.h"
#include "platform/posix/posix_profile_store.h"
#include "platform/posix/posix_runtime.h"
#include "platform/posix/standard_descriptors.h"
#include "platform/x11/platform.h"
#include "toolkit/window_message_box.h"
#include "winapi/emulation/media/media_service.h"
#include "winapi/emulation/media/real_media_service.h"

namespace corvane {

namespace {

using namespace platform;

class LinuxServices final : public PlatformServices {
 public:
  LinuxServices(int argc, char** argv) : runtime_(PosixRuntime::FromMain(argc, argv)) {}

  // Without an X server there is nothing to show: X11Platform::Open has said why on stderr.
  bool Open() {
    x11_ = x11::X11Platform::Open();
    if (!x11_) return false;
    // The connection was opened by $DISPLAY, so that names the display claimed.
    const char* display = std::getenv("DISPLAY");
    instance_lock_.emplace(display != nullptr ? display : "");
    instance_lock_service_.emplace(*instance_lock_);
    message_box_service_.emplace(message_box_);
    media_ = CreateMediaService();
    media_service_.emplace(*media_);
    chooser_.emplace(x11_->loop());
    chooser_service_.emplace(*chooser_);
    launcher_.emplace(x11_->loop());
    launcher_service_.emplace(*launcher_);
    return true;
  }

  int RunEventLoop() override {
    x11_->loop().RunUntil([] { return false; });
    return x11_->loop().ExitCode();
  }

 private:
  PosixRuntime runtime_;
  ScopedService<Runtime> runtime_service_{runtime_};
  PosixProfileStore profiles_;
  ScopedService<ProfileStore> profile_service_{profiles_};
  DlopenLibraries libraries_;
  ScopedService<DynamicLibraries> library_service_{libraries_};
  SystemFontLoader fonts_;
  ScopedService<gfx::FontLoader> font_service_{fonts_};
  std::unique_ptr<x11::X11Platform> x11_;
  std::optional<FlockInstanceLock> instance_lock_;
  std::optional<ScopedService<InstanceLock>> instance_lock_service_;
  WindowMessageBox message_box_;
  std::optional<ScopedService<MessageBoxService>> message_box_service_;
  std::unique_ptr<MediaService> media_;
  std::optional<ScopedService<MediaService>> media_service_;
  std::optional<DesktopFileChooser> chooser_;
  std::optional<ScopedService<FileChooser>> chooser_service_;
  std::optional<XdgLauncher> launcher_;
  std::optional<ScopedService<Launcher>> launcher_service_;
};

}  // namespace

std::unique_ptr<PlatformServices> PlatformServices::Install(int argc, char** argv) {
  EnsureStandardDescriptors();
  auto services = std::make_unique<LinuxServices>(argc, argv);
  if (!services->Open()) return nullptr;
  return services;
}

}  // namespace corvane
