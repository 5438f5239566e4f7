#include "main/startup.h"

#include <string>

#include "core/command_line.h"
#include "core/path_util.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "os/instance_lock.h"
#include "os/message_box.h"
#include "os/runtime.h"
#include "os/service.h"
#include "os/warn.h"
#include "winapi/user32.h"

namespace corvane {

namespace {

constexpr std::string_view kProgramTitle = "Corvane (Screen Saver)";
constexpr std::string_view kMissingLibraryText = "Corvane.dll が同じﾌｫﾙﾀﾞに見つかりません！";

bool AnotherCopyIsShowing() {
  // Both lookups run, whatever the first one found.
  const bool display = platform::FindWindowA(nullptr, "Corvane_Main") != 0;
  const bool dialog = platform::FindWindowA(nullptr, "<Corvane>") != 0;
  return display || dialog;
}

bool EffectLibraryIsBesideProgram() {
  const std::string folder = platform::Service<platform::Runtime>::Get().ProgramFolder();
  return FileExists(folder + "/Corvane.dll");
}

// The display and the settings dialog are shown once per display; the preview, a picture in
// another program's pane, may be there many times over.
bool ClaimsTheDisplay(char mode) { return mode == 'S' || mode == 'C' || ArgumentText().empty(); }

// Under a saver host the host decides when the saver runs and in how many windows at once (one
// per monitor), and it owns the screen, so none of the tests that guard the full-screen display
// apply, and nothing is shown over the host's screen: trouble is told on stderr.
StartupOutcome StartHosted(StartupForms& forms, std::uint32_t host) {
  if (host == 0) {
    platform::Warn("no window to draw in: give -window-id ID, or set XSCREENSAVER_WINDOW");
    return StartupOutcome::kEndProgram;
  }
  if (!EffectLibraryIsBesideProgram()) {
    platform::Warn("%s", std::string(kMissingLibraryText).c_str());
    return StartupOutcome::kEndProgram;
  }
  LoadSettings();
  forms.LoadHostedDisplay(host);
  return StartupOutcome::kFormLoaded;
}

}  // namespace

StartupOutcome Main(StartupForms& forms) {
  if (const std::optional<std::uint32_t> host =
          HostedWindow(ArgumentText(), HostWindowVariable())) {
    return StartHosted(forms, *host);
  }
  const char mode = ModeLetter(ArgumentText());
  // Two copies started in the same instant both pass the caption test before either has a
  // window; the claim in front of it lets exactly one of them go on.
  if (ClaimsTheDisplay(mode) && !platform::Service<platform::InstanceLock>::Get().Claim()) {
    return StartupOutcome::kEndProgram;
  }
  if (AnotherCopyIsShowing()) return StartupOutcome::kEndProgram;

  if (mode == 'P') {
    // A handle that does not fit makes the conversion fail, and with it the preview's start;
    // start-up then ends as it would after any failed step, with no form loaded.
    const std::optional<std::int32_t> host = HostWindowHandle(ArgumentText());
    if (!host) return StartupOutcome::kEndProgram;
    forms.StartPreview(*host);
    return StartupOutcome::kFormLoaded;
  }

  if (!EffectLibraryIsBesideProgram()) {
    platform::MsgBox(kMissingLibraryText, kProgramTitle);
    return StartupOutcome::kEndProgram;
  }

  LoadSettings();

  if (mode == 'A') return StartupOutcome::kEndProgram;
  if (mode == 'C') {
    forms.ShowSettingsDialog();
    return StartupOutcome::kEndProgram;
  }
  const bool empty_text = ArgumentText().empty();
  if (mode != 'S' && !empty_text) return StartupOutcome::kEndProgram;
  if (mode == 'S') Cursor_HideCount = platform::ShowCursor(0);
  forms.LoadDisplay();
  return StartupOutcome::kFormLoaded;
}

}  // namespace corvane
