#pragma once

#include "platform/geometry.h"
#include "platform/gfx/surface.h"

namespace corvane::platform {

// Reads what the screen shows.
class CaptureService {
 public:
  virtual ~CaptureService() = default;
  // Copies the screen's pixels at source (screen coordinates) into destination at (dst_x, dst_y),
  // clipped to both. Returns false, leaving destination as it was, when the screen cannot be read.
  virtual bool CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x,
                             int dst_y) = 0;
};

}  // namespace corvane::platform
