#pragma once

#include "os/dynamic_library.h"

namespace corvane::platform {

// Loads libraries with the dynamic loader. A library is loaded with every reference resolved at
// once and its symbols kept to itself, so a library that needs something the program lacks fails to
// load, with the loader's reason on stderr, instead of failing in the middle of a call. A path that
// names anything but a regular file (a FIFO, a device, a folder) is refused without being opened.
class DlopenLibraries final : public DynamicLibraries {
 public:
  HMODULE LoadLibraryA(const std::string& path) override;
  FARPROC GetProcAddress(HMODULE module, const std::string& name) override;
  bool FreeLibrary(HMODULE module) override;
};

}  // namespace corvane::platform
