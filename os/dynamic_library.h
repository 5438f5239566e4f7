#pragma once

#include <string>

namespace corvane::platform {

// A loaded library as LoadLibraryA hands it out: opaque, null for none.
struct Module;
using HMODULE = Module*;

// An entry point as GetProcAddress finds it. The caller converts it to the entry point's real type
// with reinterpret_cast, which is exact for function pointers.
using FARPROC = void (*)();

// Loading libraries at run time, the service behind LoadLibraryA, GetProcAddress and FreeLibrary.
// Loads are counted: loading one library twice gives the same module, which stays loaded until it
// has been freed as often as it was loaded.
class DynamicLibraries {
 public:
  virtual ~DynamicLibraries() = default;
  static constexpr const char* kServiceName = "dynamic library";

  // The module of the library file at path (a full path; a bare name is looked up the platform's
  // way), with all of its references resolved, or null when it cannot be loaded.
  virtual HMODULE LoadLibraryA(const std::string& path) = 0;
  // The exported function of that name, or null for an unknown name or a null module.
  virtual FARPROC GetProcAddress(HMODULE module, const std::string& name) = 0;
  // Gives up one load of the module; false for a null module or when the platform refuses.
  virtual bool FreeLibrary(HMODULE module) = 0;
};

}  // namespace corvane::platform
