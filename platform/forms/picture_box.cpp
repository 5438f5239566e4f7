#include "platform/forms/picture_box.h"

#include <algorithm>

namespace corvane::platform {

PictureBox::PictureBox(WindowedControl* container) : WindowedControl(container) {}

void PictureBox::SetPicture(const gfx::Surface& picture) {
  picture_ = picture.Clone();
  Cls();
}

void PictureBox::Repaint() {
  gfx::Surface& image = Image();
  const int w = std::min(image.width(), picture_.width());
  const int h = std::min(image.height(), picture_.height());
  for (int y = 0; y < h; ++y) std::copy_n(picture_.Row(y), w, image.Row(y));
}

}  // namespace corvane::platform
