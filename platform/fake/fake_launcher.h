#pragma once

#include <string>
#include <vector>

#include "os/launcher.h"

namespace corvane::platform::fake {

// Records what it was asked to open; starts it, or fails, as the test set.
class FakeLauncher final : public Launcher {
 public:
  bool Open(std::string_view target) override {
    opened_.emplace_back(target);
    return succeeds_;
  }
  void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }
  const std::vector<std::string>& opened() const { return opened_; }

 private:
  bool succeeds_ = true;
  std::vector<std::string> opened_;
};

}  // namespace corvane::platform::fake
