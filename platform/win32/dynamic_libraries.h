#pragma once

#include "os/dynamic_library.h"

namespace corvane::platform::win32 {

// Loads libraries with the system's loader, which counts the loads itself. A path is UTF-8,
// whatever the system's code page; a library that fails to load says why on stderr, and never
// in a dialog box.
class Win32DynamicLibraries final : public DynamicLibraries {
 public:
  HMODULE LoadLibraryA(const std::string& path) override;
  FARPROC GetProcAddress(HMODULE module, const std::string& name) override;
  bool FreeLibrary(HMODULE module) override;
};

}  // namespace corvane::platform::win32
