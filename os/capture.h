#pragma once

#include "gfx/surface.h"
#include "os/geometry.h"
#include "os/window.h"

namespace corvane::platform {

// Reads what the screen shows.
class CaptureService {
 public:
  virtual ~CaptureService() = default;
  static constexpr const char* kServiceName = "screen capture";
  // Copies the screen's pixels at source (screen coordinates) into destination at (dst_x, dst_y),
  // clipped to both. Returns false, leaving destination as it was, when the screen cannot be read.
  virtual bool CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x,
                             int dst_y) = 0;
  // Copies into destination, at its top-left, the picture of the desktop that a saver host took
  // before covering the screen and left on the window it made for the saver: the part of it that
  // lies under that window. Returns false, leaving destination as it was, when the host left none.
  virtual bool CaptureHostPicture(HWND host, gfx::Surface& destination) = 0;
};

}  // namespace corvane::platform
