#pragma once

#include <windows.h>

#include <cstdint>

#include "os/window.h"

namespace corvane::platform::win32 {

// The program keeps window handles in 32 bits. The system's handles fit in them and widen with
// their sign, so that the special values (HWND_TOPMOST is -1) survive the round trip.
inline ::HWND ToSystem(HWND window) {
  return reinterpret_cast<::HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(window)));
}

inline HWND FromSystem(::HWND window) {
  return static_cast<HWND>(reinterpret_cast<std::uintptr_t>(window));
}

// HWND_TOP and HWND_TOPMOST cast to HWND, which names the program's handle type in this namespace.
inline const ::HWND kSystemTop = nullptr;
inline const ::HWND kSystemTopmost = reinterpret_cast<::HWND>(std::intptr_t{-1});

}  // namespace corvane::platform::win32
