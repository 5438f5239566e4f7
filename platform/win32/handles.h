#pragma once

#include <windows.h>

#include <cstdint>

namespace corvane::platform::win32 {

// The program keeps window, device-context and drawing-object handles as 32-bit numbers. Those are
// all of a handle the system gives meaning to (it keeps them so for 32-bit programs), and a handle
// widens back with its sign, which also turns -1 (HWND_TOPMOST) into the system's own value.
template <typename Handle>
Handle ToNative(std::uint32_t handle) {
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}

template <typename Handle>
std::uint32_t FromNative(Handle handle) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace corvane::platform::win32
