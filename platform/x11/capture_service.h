#pragma once

#include "os/capture.h"
#include "platform/x11/display.h"
#include "platform/x11/presenter.h"

namespace corvane::platform::x11 {

// Reads the root window, everything the X screen shows, all monitors included; or the screenshot
// a saver host of the X world stored on its window in the _SCREENSAVER_SCREENSHOT property. The
// screen is read through the presenter's shared memory where the server offers it.
class X11CaptureService final : public CaptureService {
 public:
  X11CaptureService(X11Display& display, Presenter& presenter)
      : display_(display), presenter_(presenter) {}
  bool CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x, int dst_y) override;
  bool CaptureHostPicture(HWND host, gfx::Surface& destination) override;

 private:
  X11Display& display_;
  Presenter& presenter_;
};

}  // namespace corvane::platform::x11
