#pragma once

// The program's diagnostics: one line on standard error, prefixed with the program's name, so a
// user who runs it from a terminal or reads a session log can tell whose complaint it is. Used
// where something the user may want to fix went wrong and the program carries on without it.
namespace corvane::platform {

void Warn(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace corvane::platform
