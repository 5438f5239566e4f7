// The system's engine: the API subset forwarded to Windows (or Wine), and the system's own profile
// functions, which the program does not call on Windows (it keeps its own engine everywhere).

#include "tests/conformance/conformance_engine.h"

#include <windows.h>

namespace corvane::conformance {

EngineScope::EngineScope() = default;

// Wine's ntdll exports its version; Windows' does not.
Engine RunningEngine() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr
             ? Engine::kWine
             : Engine::kWindows;
}

platform::DWORD ReadProfile(const char* section, const char* key, const char* fallback,
                            char* buffer, platform::DWORD size, const char* file) {
  return ::GetPrivateProfileStringA(section, key, fallback, buffer, size, file);
}

platform::BOOL WriteProfile(const char* section, const char* key, const char* value,
                            const char* file) {
  return ::WritePrivateProfileStringA(section, key, value, file);
}

}  // namespace corvane::conformance
