#pragma once

#include <string>

#include "os/instance_lock.h"

namespace corvane::platform::win32 {

// The claim as a named mutex in the session's namespace ("Local\"), the Windows counterpart of
// one display: whoever made it first holds it while its handle is open. The system closes the
// handle with the process, however it ends, so a crashed copy never blocks the next one.
class MutexInstanceLock final : public InstanceLock {
 public:
  explicit MutexInstanceLock(std::string name = "Corvane");
  ~MutexInstanceLock() override;
  MutexInstanceLock(const MutexInstanceLock&) = delete;
  MutexInstanceLock& operator=(const MutexInstanceLock&) = delete;

  bool Claim() override;

 private:
  std::string name_;
  void* mutex_ = nullptr;  // The system's HANDLE while the claim is held.
  bool held_elsewhere_ = false;
};

}  // namespace corvane::platform::win32
