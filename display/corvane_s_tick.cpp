// The animation tick of the display form: the strip's columns of the capture, their metallic
// rendering, the frame, and the move.

#include <algorithm>

#include "core/shared_state.h"
#include "display/corvane_s.h"
#include "display/strip_motion.h"
#include "platform/api/gdi32.h"
#include "platform/api/user32.h"

namespace corvane {

namespace {

// The relief the form asks the effect for.
constexpr std::int32_t kRelief = 4;

platform::Rect Intersect(const platform::Rect& a, const platform::Rect& b) {
  return platform::Rect{std::max(a.left, b.left), std::max(a.top, b.top),
                        std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The smallest rectangle holding both; an empty one adds nothing.
platform::Rect Bound(const platform::Rect& a, const platform::Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return platform::Rect{std::min(a.left, b.left), std::min(a.top, b.top),
                        std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

void Corvane_S::Timer3_Timer() {
  using namespace platform;
  PictureBox& capture = Master(0);
  PictureBox& processed = Master(1);
  PictureBox& raw = Master(2);

  StripPhase = NextStripPhase(StripPhase);

  // The capture's columns under the strip. Columns whose source lies beyond the capture keep
  // what they held; they are drawn off the screen.
  API_Result = BitBlt(raw.hDC(), 0, 0, CopyExtent(raw.ScaleWidth()), CopyExtent(raw.ScaleHeight()),
                      capture.hDC(), StripLeft, 0, kSrcCopy);
  raw.Refresh();

  // A library that could not be loaded leaves the processed strip as it was.
  if (effect_) {
    effect_->GPX_Metallic(processed.hDC(), raw.hDC(), kRelief, StripPhase, StripVariant,
                          &API_Result);
  }
  processed.Refresh();

  if (frame_path_ == FramePath::kWholeScreen) {
    ComposeWholeScreen();
  } else {
    ComposeChangedArea();
  }
  drawn_strip_ = StripArea();

  if (MoveStrip(StripLeft, StripForward, Display.ScaleWidth(), TwipsPerPixelX())) {
    StripVariant = DrawStripVariant(clock_, random_);
  }
}

platform::Rect Corvane_S::StripArea() const {
  const gfx::Surface& strip = Master(1).Image();
  const gfx::Surface& frame = Display.Image();
  return Intersect(platform::Rect{StripLeft, 0, StripLeft + strip.width(), strip.height()},
                   platform::Rect{0, 0, frame.width(), frame.height()});
}

void Corvane_S::ComposeWholeScreen() {
  using namespace platform;
  PictureBox& capture = Master(0);
  PictureBox& processed = Master(1);
  API_Result = BitBlt(Display.hDC(), 0, 0, CopyExtent(Display.ScaleWidth()),
                      CopyExtent(Display.ScaleHeight()), capture.hDC(), 0, 0, kSrcCopy);
  API_Result = BitBlt(Display.hDC(), StripLeft, 0, CopyExtent(processed.ScaleWidth()),
                      CopyExtent(processed.ScaleHeight()), processed.hDC(), 0, 0, kSrcCopy);
  Display.Refresh();
}

// The same frame as ComposeWholeScreen, for a fraction of the work. Outside the strip it drew last,
// Display already equals the capture wherever the whole-screen copy would reach: it started as the
// capture, and each tick puts back what the previous one covered. So only that area is restored
// (within the same copy extents), the new strip is drawn by the very same copy, and only the two
// strips' area has changed on the screen. The first tick shows everything, as nothing is known to
// be on the screen yet.
void Corvane_S::ComposeChangedArea() {
  using namespace platform;
  PictureBox& capture = Master(0);
  PictureBox& processed = Master(1);
  const Rect background{0, 0, CopyExtent(Display.ScaleWidth()), CopyExtent(Display.ScaleHeight())};
  Rect restored;
  if (drawn_strip_) {
    restored = Intersect(*drawn_strip_, background);
    if (!restored.Empty()) {
      API_Result = BitBlt(Display.hDC(), restored.left, restored.top, restored.Width(),
                          restored.Height(), capture.hDC(), restored.left, restored.top, kSrcCopy);
    }
  }
  API_Result = BitBlt(Display.hDC(), StripLeft, 0, CopyExtent(processed.ScaleWidth()),
                      CopyExtent(processed.ScaleHeight()), processed.hDC(), 0, 0, kSrcCopy);
  if (!drawn_strip_) {
    Display.Refresh();
    return;
  }
  const Rect changed = Bound(restored, StripArea());
  if (!changed.Empty()) Display.RefreshArea(changed);
}

}  // namespace corvane
