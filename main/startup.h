#pragma once

#include <cstdint>

namespace corvane {

// The program's three forms as start-up reaches them, one call each.
class StartupForms {
 public:
  virtual ~StartupForms() = default;
  // Puts the preview inside the host window and returns once it is shown.
  virtual void StartPreview(std::int32_t host_window) = 0;
  // Shows the settings dialog modally and returns once it has closed.
  virtual void ShowSettingsDialog() = 0;
  // Loads the full-screen display form, which shows itself and starts its work.
  virtual void LoadDisplay() = 0;
  // Loads the display form inside the window a saver host made for it.
  virtual void LoadHostedDisplay(std::uint32_t host_window) = 0;
};

// How start-up ended: the program ends now, or a form was loaded and the program lives on its
// events until the last form is unloaded.
enum class StartupOutcome { kEndProgram, kFormLoaded };

// The program's entry routine: single-instance test, mode dispatch, library test, settings.
StartupOutcome Main(StartupForms& forms);

}  // namespace corvane
