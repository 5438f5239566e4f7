#include "toolkit/image_control.h"

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

void ImageControl::Paint(gfx::Surface& canvas) {
  if (picture_.empty()) return;
  if (stretch_) {
    gfx::StretchBlit(canvas, 0, 0, canvas.width(), canvas.height(), picture_, 0, 0,
                     picture_.width(), picture_.height());
  } else {
    // The canvas cuts a picture larger than the control at its edges.
    gfx::Blit(canvas, 0, 0, picture_.width(), picture_.height(), picture_, 0, 0);
  }
}

}  // namespace corvane::platform
