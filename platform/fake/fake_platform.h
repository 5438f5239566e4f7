#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "os/service.h"
#include "platform/fake/fake_capture_service.h"
#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_dynamic_libraries.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_file_chooser.h"
#include "platform/fake/fake_font_loader.h"
#include "platform/fake/fake_instance_lock.h"
#include "platform/fake/fake_launcher.h"
#include "platform/fake/fake_media_service.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power_service.h"
#include "platform/fake/fake_profile_store.h"
#include "platform/fake/fake_runtime.h"
#include "platform/fake/fake_window_service.h"

namespace corvane::platform::fake {

// A fake of every service the program uses, all installed for this object's lifetime and the
// previous ones put back after, as the real platform installs its backends before the program
// runs. Each fake stays reachable, so that a test scripts it and reads what the program asked.
class FakePlatform {
 public:
  FakePlatform() = default;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  // Installs impl in place of this platform's fake of Interface, for a test that needs the real
  // service (a real media service, the system's fonts). The platform keeps it, and takes it out
  // again before it is destroyed.
  template <class Interface, class Impl>
  Impl& Replace(std::unique_ptr<Impl> impl) {
    Impl& replacement = *impl;
    replacements_.emplace_back(std::move(impl));
    Service<Interface>::Install(&replacement);
    return replacement;
  }

  FakeEventLoop& loop() { return loop_; }
  FakeWindowService& windows() { return windows_; }
  FakeCaptureService& capture() { return capture_; }
  FakeCursorService& cursor() { return cursor_; }
  FakePowerService& power() { return power_; }
  FakeRuntime& runtime() { return runtime_; }
  FakeProfileStore& profile_store() { return profile_store_; }
  FakeDynamicLibraries& libraries() { return libraries_; }
  FakeInstanceLock& instance_lock() { return instance_lock_; }
  FakeLauncher& launcher() { return launcher_; }
  FakeFileChooser& file_chooser() { return file_chooser_; }
  FakeMessageBoxService& message_box() { return message_box_; }
  gfx::FakeFontLoader& fonts() { return fonts_; }
  FakeMediaService& media() { return media_; }

 private:
  FakeEventLoop loop_;
  FakeWindowService windows_{loop_};
  FakeCaptureService capture_;
  FakeCursorService cursor_;
  FakePowerService power_;
  FakeRuntime runtime_;
  FakeProfileStore profile_store_;
  FakeDynamicLibraries libraries_;
  FakeInstanceLock instance_lock_;
  FakeLauncher launcher_;
  FakeFileChooser file_chooser_;
  FakeMessageBoxService message_box_;
  gfx::FakeFontLoader fonts_;
  FakeMediaService media_;
  // Destroyed once the services in place before this platform are back, and before the fakes a
  // replacement may use (the event loop).
  std::vector<std::shared_ptr<void>> replacements_;

  ScopedService<EventLoop> loop_service_{loop_};
  ScopedService<WindowService> window_service_{windows_};
  ScopedService<CaptureService> capture_service_{capture_};
  ScopedService<CursorService> cursor_service_{cursor_};
  ScopedService<PowerService> power_service_{power_};
  ScopedService<Runtime> runtime_service_{runtime_};
  ScopedService<ProfileStore> profile_service_{profile_store_};
  ScopedService<DynamicLibraries> library_service_{libraries_};
  ScopedService<InstanceLock> instance_lock_service_{instance_lock_};
  ScopedService<Launcher> launcher_service_{launcher_};
  ScopedService<FileChooser> file_chooser_service_{file_chooser_};
  ScopedService<MessageBoxService> message_box_service_{message_box_};
  ScopedService<gfx::FontLoader> font_service_{fonts_};
  ScopedService<MediaService> media_service_{media_};
};

}  // namespace corvane::platform::fake
