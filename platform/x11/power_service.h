#pragma once

#include "os/event_loop.h"
#include "os/power.h"
#include "platform/x11/display.h"

namespace corvane::platform::x11 {

// The monitor's power from the DPMS extension. The extension sends no events, so the state is
// asked for once a second while a handler is set; a server without DPMS is never asked.
class X11PowerService final : public PowerService {
 public:
  X11PowerService(X11Display& display, EventLoop& loop) : display_(display), loop_(loop) {}
  ~X11PowerService() override;
  void SetMonitorHandler(std::function<void(bool on)> handler) override;

 private:
  bool MonitorOn();

  X11Display& display_;
  EventLoop& loop_;
  std::function<void(bool on)> handler_;
  TimerId poll_ = 0;
  bool on_ = true;
};

}  // namespace corvane::platform::x11
