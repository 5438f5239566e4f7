#pragma once

#include "os/power.h"

namespace corvane::platform::win32 {

// The monitor's power, as far as this backend can hear of it: not at all. The system reports
// the display's state (GUID_CONSOLE_DISPLAY_STATE) only as WM_POWERBROADCAST to a window that
// registered for it, and windows belong to the window service; until that service registers one
// and passes the reports on, no report ever comes, which the seam allows.
class Win32PowerService final : public PowerService {
 public:
  void SetMonitorHandler(std::function<void(bool on)>) override {}
};

}  // namespace corvane::platform::win32
