#include "display/strip_in_place.h"

#include "display/strip_motion.h"

namespace corvane {

namespace {

// Where a copy of strip's whole image at left would go, if the copy's extents in the strip's
// scale units cover the image; nothing if they cut it short.
std::optional<gfx::Rect> WholeStripAt(const platform::PictureBox& strip, int left) {
  const gfx::Surface& image = strip.Image();
  if (CopyExtent(strip.ScaleWidth()) < image.width() ||
      CopyExtent(strip.ScaleHeight()) < image.height()) {
    return std::nullopt;
  }
  return gfx::Rect{left, 0, left + image.width(), image.height()};
}

}  // namespace

StripInPlace::StripInPlace(gfx::Surface& capture, const platform::PictureBox& raw,
                           gfx::Surface& frame, const platform::PictureBox& processed, int left) {
  const std::optional<gfx::Rect> under = WholeStripAt(raw, left);
  const std::optional<gfx::Rect> shown = WholeStripAt(processed, left);
  if (!under || !shown) return;
  under_ = capture.View(*under);
  shown_ = frame.View(*shown);
  if (!under_ || !shown_) return;
  raw_selection_.emplace(raw.hDC(), &*under_);
  processed_selection_.emplace(processed.hDC(), &*shown_);
}

}  // namespace corvane
