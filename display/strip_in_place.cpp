#include "display/strip_in_place.h"

namespace corvane {

namespace {

// Where the strip's whole image lies at left. The copies it stands in for pass their extents in
// twips, which cover at least as many pixels, so a copy moves the whole image where it fits.
gfx::Rect WholeStripAt(const platform::PictureBox& strip, int left) {
  const gfx::Surface& image = strip.Image();
  return gfx::Rect{left, 0, left + image.width(), image.height()};
}

}  // namespace

StripInPlace::StripInPlace(gfx::Surface& capture, const platform::PictureBox& raw,
                           gfx::Surface& frame, const platform::PictureBox& processed, int left)
    : under_(capture.View(WholeStripAt(raw, left))),
      shown_(frame.View(WholeStripAt(processed, left))) {
  if (!under_ || !shown_) return;
  raw_selection_.emplace(raw.hDC(), &*under_);
  processed_selection_.emplace(processed.hDC(), &*shown_);
}

}  // namespace corvane
