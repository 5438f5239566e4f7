#pragma once

#include <functional>

namespace corvane::platform {

// The monitor's power as the display's power management switches it.
class PowerService {
 public:
  virtual ~PowerService() = default;
  static constexpr const char* kServiceName = "power";
  // From now on calls handler(false) when the monitor is switched off (standby, suspend or off)
  // and handler(true) when it is back on, on the user-interface thread, once per change. nullptr
  // stops the reports. Where the display cannot tell, no report ever comes.
  virtual void SetMonitorHandler(std::function<void(bool on)> handler) = 0;
};

}  // namespace corvane::platform
