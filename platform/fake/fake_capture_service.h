#pragma once

#include <algorithm>
#include <functional>
#include <optional>

#include "os/capture.h"

namespace corvane::platform::fake {

// A screen whose pixels the test paints (or replaces); capture copies from it, or fails when told
// to. The screen starts empty: a capture succeeds and copies nothing.
class FakeCaptureService final : public CaptureService {
 public:
  bool CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x, int dst_y) override {
    ++captures_;
    if (on_capture) on_capture();
    if (fail_) return false;
    for (int y = 0; y < source.Height(); ++y) {
      for (int x = 0; x < source.Width(); ++x) {
        const int sx = source.left + x;
        const int sy = source.top + y;
        if (screen_.Contains(sx, sy) && destination.Contains(dst_x + x, dst_y + y)) {
          destination.Row(dst_y + y)[dst_x + x] = screen_.Row(sy)[sx];
        }
      }
    }
    return true;
  }

  // Copies host_picture, when the test set one, whatever the window.
  bool CaptureHostPicture(HWND, gfx::Surface& destination) override {
    if (!host_picture) return false;
    for (int y = 0; y < std::min(destination.height(), host_picture->height()); ++y) {
      std::copy_n(host_picture->Row(y), std::min(destination.width(), host_picture->width()),
                  destination.Row(y));
    }
    return true;
  }

  std::optional<gfx::Surface> host_picture;
  gfx::Surface& screen() { return screen_; }
  void set_fail(bool fail) { fail_ = fail; }
  int captures() const { return captures_; }
  std::function<void()> on_capture;  // Told of each capture as it is made.

 private:
  gfx::Surface screen_;
  bool fail_ = false;
  int captures_ = 0;
};

}  // namespace corvane::platform::fake
