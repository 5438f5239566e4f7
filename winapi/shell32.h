#pragma once

#include <cstdint>

#include "winapi/windef.h"

// The shell operation the program calls by its Windows name, over the installed launcher.
namespace corvane::platform {

inline constexpr int kSwShowNormal = 1;
// Results below 33 are failures: the file could not be opened, or nothing opens it this way.
inline constexpr std::intptr_t kShellOpened = 42;
inline constexpr std::intptr_t kErrorFileNotFound = 2;
inline constexpr std::intptr_t kSeErrNoAssoc = 31;

// Only the "open" verb (or none, which means it) is supported: the file or web address goes to
// the program the user prefers for it, without waiting. Parameters, directory and show command
// are not used.
std::intptr_t ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show);

}  // namespace corvane::platform
