#pragma once

#include "os/launcher.h"
#include "platform/posix/posix_event_loop.h"

namespace corvane::platform {

// Opens documents and web addresses with xdg-open, detached: the loop reaps it when it ends.
class XdgLauncher final : public Launcher {
 public:
  explicit XdgLauncher(PosixEventLoop& loop) : loop_(loop) {}
  bool Open(std::string_view target) override;

 private:
  PosixEventLoop& loop_;
};

}  // namespace corvane::platform
