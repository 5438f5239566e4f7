// The animation tick of the display form: the strip's columns of the capture, their metallic
// rendering, the frame, and the move.

#include <algorithm>
#include <optional>
#include <utility>

#include "core/shared_state.h"
#include "display/corvane_s.h"
#include "display/strip_in_place.h"
#include "display/strip_motion.h"
#include "winapi/gdi32.h"
#include "winapi/user32.h"

namespace corvane {

namespace {

// The relief the form asks the effect for.
constexpr std::int32_t kRelief = 4;

}  // namespace

void Corvane_S::Timer3_Timer() {
  using namespace platform;
  PictureBox& processed = Master(1);
  PictureBox& raw = Master(2);

  StripPhase = NextStripPhase(StripPhase);

  // Where the strip lies wholly on the screen, the raw strip is the capture under it and the
  // processed strip is the frame under it, so the effect reads the one and writes the other in
  // place of copying the capture out and the result back. Each tick then draws the same frame as
  // with the copies. Without the library the processed strip keeps what it held, which only its
  // own image can show.
  std::optional<StripInPlace> in_place;
  if (effect_) {
    in_place.emplace(Master(0).Image(), raw.hDC(), Display.Image(), processed.hDC(), StripRect());
  }
  const bool drawn_in_place = in_place && in_place->Selected();
  if (drawn_in_place) {
    // The raw strip's own image misses these columns: the copy path brings it up to date first.
    raw_missed_left_ = StripLeft;
  } else {
    if (raw_missed_left_) CopyCaptureUnderStrip(*std::exchange(raw_missed_left_, std::nullopt));
    CopyCaptureUnderStrip(StripLeft);
  }
  raw.Refresh();

  // A library that could not be loaded leaves the processed strip as it was.
  if (effect_) {
    effect_->GPX_Metallic(processed.hDC(), raw.hDC(), kRelief, StripPhase, StripVariant,
                          &API_Result);
  }
  processed.Refresh();
  in_place.reset();

  ComposeChangedArea(drawn_in_place);
  drawn_strip_ = StripArea();

  if (MoveStrip(StripLeft, StripForward, Display.ScaleWidth(), TwipsPerPixelX())) {
    StripVariant = DrawStripVariant(clock_, random_);
  }
}

// The capture's columns under the strip at left. Columns whose source lies beyond the capture keep
// what they held; they are drawn off the screen.
void Corvane_S::CopyCaptureUnderStrip(int left) {
  using namespace platform;
  PictureBox& raw = Master(2);
  API_Result = BitBlt(raw.hDC(), 0, 0, CopyExtent(raw.ScaleWidth()), CopyExtent(raw.ScaleHeight()),
                      Master(0).hDC(), left, 0, kSrcCopy);
}

platform::Rect Corvane_S::StripRect() const {
  const gfx::Surface& strip = Master(1).Image();
  return platform::Rect{StripLeft, 0, StripLeft + strip.width(), strip.height()};
}

platform::Rect Corvane_S::StripArea() const {
  const gfx::Surface& frame = Display.Image();
  return StripRect().Intersect(platform::Rect{0, 0, frame.width(), frame.height()});
}

// Each frame is the whole capture with the processed strip copied over it at StripLeft. Recopying
// the whole capture every tick is not needed: outside the strip it drew last, Display already
// equals the capture, since it started as the capture and each tick puts back what the previous
// one covered. Of that area only the columns the new strip leaves uncovered need the capture back
// (within the copy extents of a whole-screen copy); the new strip is drawn over the rest, and only
// the two strips' area has changed on the screen. The first tick shows everything, as nothing is
// known to be on the screen yet.
void Corvane_S::ComposeChangedArea(bool strip_drawn) {
  using namespace platform;
  PictureBox& capture = Master(0);
  PictureBox& processed = Master(1);
  const Rect background{0, 0, CopyExtent(Display.ScaleWidth()), CopyExtent(Display.ScaleHeight())};
  Rect restored;
  if (drawn_strip_) {
    restored = drawn_strip_->Intersect(background);
    for (const Rect& vacated : VacatedColumns(restored, StripArea())) {
      if (vacated.Empty()) continue;
      API_Result = BitBlt(Display.hDC(), vacated.left, vacated.top, vacated.Width(),
                          vacated.Height(), capture.hDC(), vacated.left, vacated.top, kSrcCopy);
    }
  }
  if (!strip_drawn) {
    API_Result = BitBlt(Display.hDC(), StripLeft, 0, CopyExtent(processed.ScaleWidth()),
                        CopyExtent(processed.ScaleHeight()), processed.hDC(), 0, 0, kSrcCopy);
  }
  if (!drawn_strip_) {
    Display.Refresh();
    return;
  }
  const Rect changed = restored.Union(StripArea());
  if (!changed.Empty()) Display.RefreshArea(changed);
}

}  // namespace corvane
