#include "platform/win32/dynamic_libraries.h"

#include <windows.h>

#include "os/warn.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

HMODULE Win32DynamicLibraries::LoadLibraryA(const std::string& path) {
  const auto wide = WidenExactly(path);
  if (!wide) {
    Warn("cannot load %s: its name is not UTF-8", path.c_str());
    return nullptr;
  }
  // A missing or broken library would otherwise be reported in a dialog box that waits for a
  // click, with the program stopped behind it.
  DWORD previous_mode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_mode);
  const ::HMODULE module = ::LoadLibraryW(wide->c_str());
  const DWORD error = GetLastError();
  SetThreadErrorMode(previous_mode, nullptr);
  if (module == nullptr) Warn("cannot load %s: %s", path.c_str(), ErrorText(error).c_str());
  return reinterpret_cast<HMODULE>(module);
}

FARPROC Win32DynamicLibraries::GetProcAddress(HMODULE module, const std::string& name) {
  // The system reads a null module as the program itself, which is not what a null module means.
  if (module == nullptr) return nullptr;
  const ::FARPROC entry = ::GetProcAddress(reinterpret_cast<::HMODULE>(module), name.c_str());
  // Function pointer types convert exactly through the generic one the seam hands out.
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(entry));
}

bool Win32DynamicLibraries::FreeLibrary(HMODULE module) {
  if (module == nullptr) return false;
  return ::FreeLibrary(reinterpret_cast<::HMODULE>(module)) != 0;
}

}  // namespace corvane::platform::win32
