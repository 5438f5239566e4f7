#pragma once

namespace corvane::platform {

// The claim that makes one copy of the program the one that shows itself on this display. It is
// taken atomically, so of two copies started in the same instant exactly one holds it (a test
// for a window caption cannot tell them apart: neither window exists yet), and it is held until
// the process ends.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  static constexpr const char* kServiceName = "instance lock";

  // True when this process holds the claim (a second call answers as the first did); false when
  // another process holds it. Where no claim can be made at all, true: the caption test remains.
  virtual bool Claim() = 0;
};

}  // namespace corvane::platform
