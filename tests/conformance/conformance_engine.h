#pragma once

#include <memory>

#include "winapi/windef.h"

// The implementation of the API subset that a conformance case runs against: on Linux the
// program's own engine, on Windows the system's (Wine's, when the program runs under Wine). The
// cases themselves only call the operations, so that one table checks both.
namespace corvane::conformance {

enum class Engine { kOurs, kWine, kWindows };
Engine RunningEngine();

// Puts the engine in place for one test and takes it away after, so that no state of one test
// (open devices, selected objects) reaches the next.
class EngineScope {
 public:
  EngineScope();

 private:
  std::shared_ptr<void> state_;
};

// The profile calls in the buffer form that Windows has. The program's own engine hands back a
// string, which this copies into buffer as Windows would, so that one table reads both.
platform::DWORD ReadProfile(const char* section, const char* key, const char* fallback,
                            char* buffer, platform::DWORD size, const char* file);
platform::BOOL WriteProfile(const char* section, const char* key, const char* value,
                            const char* file);

}  // namespace corvane::conformance
