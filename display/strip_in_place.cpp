#include "display/strip_in_place.h"

namespace corvane {

// The copies this stands in for pass their extents in twips, which cover at least as many pixels,
// so where the strip fits a copy moves its whole image.
StripInPlace::StripInPlace(gfx::Surface& capture, gfx::HDC raw, gfx::Surface& frame,
                           gfx::HDC processed, const gfx::Rect& strip)
    : under_(capture.View(strip)), shown_(frame.View(strip)) {
  if (!under_ || !shown_) return;
  raw_selection_.emplace(raw, &*under_);
  processed_selection_.emplace(processed, &*shown_);
}

}  // namespace corvane
