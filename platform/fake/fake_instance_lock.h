#pragma once

#include "os/instance_lock.h"

namespace corvane::platform::fake {

// Counts the claims; another process holds the claim while held_elsewhere is set.
class FakeInstanceLock final : public InstanceLock {
 public:
  bool Claim() override {
    ++claims;
    return !held_elsewhere;
  }

  bool held_elsewhere = false;
  int claims = 0;
};

}  // namespace corvane::platform::fake
