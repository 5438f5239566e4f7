#pragma once

#include <cstdint>

namespace corvane::platform::win32 {

// The class of every window of ours, registered on first use; its procedure hands each message to
// the service whose Create made the window (lpCreateParams).
const wchar_t* OwnWindowClass();

// The timer of ours that retries an input grab the system refused.
inline constexpr std::uintptr_t kGrabRetryTimer = 1;

}  // namespace corvane::platform::win32
