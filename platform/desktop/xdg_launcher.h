#pragma once

#include "os/event_loop.h"
#include "os/launcher.h"

namespace corvane::platform {

// Opens documents and web addresses with xdg-open, detached: the loop reaps it when it ends.
class XdgLauncher final : public Launcher {
 public:
  explicit XdgLauncher(EventLoop& loop) : loop_(loop) {}
  bool Open(std::string_view target) override;

 private:
  EventLoop& loop_;
};

}  // namespace corvane::platform
