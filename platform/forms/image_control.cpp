#include "platform/forms/image_control.h"

#include <algorithm>

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
  const int w = stretch_ ? area.Width() : std::min(area.Width(), picture_.width());
  const int h = stretch_ ? area.Height() : std::min(area.Height(), picture_.height());
  for (int y = 0; y < h; ++y) {
    const int fy = area.top + y;
    if (fy < 0 || fy >= frame.height()) continue;
    // Nearest source pixel, sampled at the centre of each destination pixel.
    const int sy = stretch_ ? static_cast<int>((2LL * y + 1) * picture_.height() / (2LL * h)) : y;
    const gfx::Pixel* src = picture_.Row(sy);
    gfx::Pixel* dst = frame.Row(fy);
    for (int x = 0; x < w; ++x) {
      const int fx = area.left + x;
      if (fx < 0 || fx >= frame.width()) continue;
      const int sx = stretch_ ? static_cast<int>((2LL * x + 1) * picture_.width() / (2LL * w)) : x;
      dst[fx] = src[sx];
    }
  }
}

}  // namespace corvane::platform
