#include "toolkit/image_control.h"

#include <algorithm>

#include "gfx/blit.h"
#include "gfx/stretch_blit.h"

namespace corvane::platform {

ImageControl::ImageControl(WindowedControl* container) : Control(container) {}

void ImageControl::SetPicture(const gfx::Surface& picture) {
  picture_ = picture.Clone();
  Invalidate();
}

void ImageControl::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void ImageControl::Paint(gfx::Surface& frame) {
  const Rect& area = bounds();
  if (picture_.empty() || area.Empty()) return;
  if (stretch_) {
    gfx::StretchBlit(frame, area.left, area.top, area.Width(), area.Height(), picture_, 0, 0,
                     picture_.width(), picture_.height());
  } else {
    gfx::Blit(frame, area.left, area.top, std::min(area.Width(), picture_.width()),
              std::min(area.Height(), picture_.height()), picture_, 0, 0);
  }
}

}  // namespace corvane::platform
