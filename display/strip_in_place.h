#pragma once

#include <optional>

#include "gfx/geometry.h"
#include "gfx/surface.h"
#include "winapi/gdi32.h"

namespace corvane {

// One tick's raw and processed strips as windows onto the capture and onto the frame at the
// strip's place, selected into the strips' device contexts while this object lives: drawing
// through the processed strip's handle then draws on the frame, and the raw strip's handle reads
// the capture, with no copy either way. The strips' own images are left as they were.
class StripInPlace {
 public:
  // strip is where the strips' images lie on the frame, which is where the capture under them
  // lies too.
  StripInPlace(gfx::Surface& capture, gfx::HDC raw, gfx::Surface& frame, gfx::HDC processed,
               const gfx::Rect& strip);

  // Whether the windows are selected. They are only where the strip lies wholly inside the capture
  // and the frame: there the windows hold exactly what the copies would.
  bool Selected() const {
    return raw_selection_ && raw_selection_->Selected() && processed_selection_->Selected();
  }

 private:
  std::optional<gfx::Surface> under_;
  std::optional<gfx::Surface> shown_;
  std::optional<platform::ViewSelection> raw_selection_;
  std::optional<platform::ViewSelection> processed_selection_;
};

}  // namespace corvane
