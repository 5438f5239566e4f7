#include "platform/x11/power_service.h"

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include <utility>

namespace corvane::platform::x11 {

namespace {
constexpr std::uint32_t kPollMs = 1000;
}  // namespace

X11PowerService::~X11PowerService() { SetMonitorHandler(nullptr); }

bool X11PowerService::MonitorOn() {
  CARD16 level = DPMSModeOn;
  BOOL enabled = False;
  // With power management disabled the monitor stays on whatever the level says.
  if (!DPMSInfo(display_.dpy(), &level, &enabled) || !enabled) return true;
  return level == DPMSModeOn;
}

void X11PowerService::SetMonitorHandler(std::function<void(bool on)> handler) {
  handler_ = std::move(handler);
  if (!handler_) {
    if (poll_ != 0) loop_.StopTimer(poll_);
    poll_ = 0;
    return;
  }
  int event_base = 0;
  int error_base = 0;
  if (poll_ != 0 || !DPMSQueryExtension(display_.dpy(), &event_base, &error_base) ||
      !DPMSCapable(display_.dpy())) {
    return;
  }
  on_ = MonitorOn();
  poll_ = loop_.StartTimer(kPollMs, [this] {
    const bool on = MonitorOn();
    if (on == on_) return;
    on_ = on;
    if (handler_) handler_(on);
  });
}

}  // namespace corvane::platform::x11
