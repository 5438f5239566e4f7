#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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
};

// How start-up ended: the program ends now, or a form was loaded and the program lives on its
// events until the last form is unloaded.
enum class StartupOutcome { kEndProgram, kFormLoaded };

// The mode letter: the second character of the upper-cased argument text, or '\0' when the text is
// shorter. The first character is never looked at, so "/s", "-s" and "xS" all give 'S'.
char ModeLetter(std::string_view argument_text);

// The host window handle after "/p": the digits from the fourth character on, blanks ignored,
// reading stopped at the first other character; no digits give 0. Empty when the number does not
// fit a 32-bit signed integer.
std::optional<std::int32_t> HostWindowHandle(std::string_view argument_text);

// The program's entry routine: single-instance test, mode dispatch, library test, settings.
StartupOutcome Main(StartupForms& forms);

}  // namespace corvane
