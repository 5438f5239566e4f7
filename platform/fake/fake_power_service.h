#pragma once

#include <functional>
#include <utility>

#include "os/power.h"

namespace corvane::platform::fake {

// A monitor the test switches off and on.
class FakePowerService final : public PowerService {
 public:
  void SetMonitorHandler(std::function<void(bool on)> handler) override {
    handler_ = std::move(handler);
  }
  void SetMonitorOn(bool on) {
    if (handler_) handler_(on);
  }
  bool Watched() const { return static_cast<bool>(handler_); }

 private:
  std::function<void(bool on)> handler_;
};

}  // namespace corvane::platform::fake
