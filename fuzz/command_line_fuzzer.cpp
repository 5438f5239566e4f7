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
#include "platform/fake/fake_platform.h"
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
    fakes.runtime().program_folder = folder.path();
    fakes.runtime().settings_file_path = folder.path() + "/Corvane.ini";
    std::ofstream(folder.path() + "/Corvane.dll") << "ELF";
  }

  test_support::TempFolder folder;
  fake::FakePlatform fakes;
};

}  // namespace
}  // namespace corvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvane;
  static fuzz::World world;
  const std::string arguments(reinterpret_cast<const char*>(data), size);
  world.fakes.runtime().argument_text = arguments;

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
