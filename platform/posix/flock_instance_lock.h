#pragma once

#include <string>

#include "os/instance_lock.h"

namespace corvane::platform {

// The claim as an advisory lock (flock) on a file named for the display, in the user's runtime
// folder ($XDG_RUNTIME_DIR), else in a folder of the user's own under /tmp. The kernel drops the
// lock with the process, however it ends, so a crashed copy never blocks the next one.
class FlockInstanceLock final : public InstanceLock {
 public:
  // display_name as the X server was reached (":0", "host:10.0").
  explicit FlockInstanceLock(std::string display_name);
  ~FlockInstanceLock() override;
  FlockInstanceLock(const FlockInstanceLock&) = delete;
  FlockInstanceLock& operator=(const FlockInstanceLock&) = delete;

  bool Claim() override;

 private:
  std::string display_name_;
  int fd_ = -1;
  bool held_elsewhere_ = false;
};

}  // namespace corvane::platform
