// The command line a host starts the program with, through start-up's mode dispatch and the
// preview's host-window handle, with every service faked and the effect library in place.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "fuzz/fuzz_input.h"
#include "main/startup.h"
#include "os/service.h"
#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_instance_lock.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_profile_store.h"
#include "platform/fake/fake_runtime.h"
#include "platform/fake/fake_window_service.h"
#include "tests/support/temp_folder.h"

namespace corvane::fuzz {
namespace {

using namespace platform;

class CountingForms final : public StartupForms {
 public:
  void StartPreview(std::int32_t host) override {
    ++calls;
    ++loaded;
    preview_host = host;
  }
  // The dialog is modal: start-up ends once it has closed.
  void ShowSettingsDialog() override { ++calls; }
  void LoadDisplay() override {
    ++calls;
    ++loaded;
  }
  void LoadHostedDisplay(std::uint32_t) override {
    ++calls;
    ++loaded;
  }

  int calls = 0;
  int loaded = 0;
  std::int32_t preview_host = -1;
};

struct World {
  World() {
    runtime.program_folder = folder.path();
    runtime.settings_file_path = folder.path() + "/Corvane.ini";
    std::ofstream(folder.path() + "/Corvane.dll") << "ELF";
  }

  test_support::TempFolder folder;
  FakeRuntime runtime;
  FakeProfileStore store;
  fake::FakeEventLoop loop;
  fake::FakeWindowService windows{loop};
  fake::FakeCursorService cursor;
  fake::FakeMessageBoxService message_box;
  fake::FakeInstanceLock lock;
  ScopedService<Runtime> runtime_service{runtime};
  ScopedService<ProfileStore> store_service{store};
  ScopedService<EventLoop> loop_service{loop};
  ScopedService<WindowService> window_service{windows};
  ScopedService<CursorService> cursor_service{cursor};
  ScopedService<MessageBoxService> message_box_service{message_box};
  ScopedService<InstanceLock> lock_service{lock};
};

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::World world;
  const std::string arguments(reinterpret_cast<const char*>(data), size);
  world.runtime.argument_text = arguments;

  fuzz::CountingForms forms;
  const StartupOutcome outcome = Main(forms);
  fuzz::Require(forms.calls <= 1, "start-up loads at most one form");
  fuzz::Require((outcome == StartupOutcome::kFormLoaded) == (forms.loaded == 1),
                "start-up goes on exactly when it loaded a form");
  if (forms.preview_host != -1) {
    fuzz::Require(ModeLetter(arguments) == 'P', "only /p starts the preview");
    fuzz::Require(forms.preview_host >= 0, "a host handle is never negative");
  }
  return 0;
}
