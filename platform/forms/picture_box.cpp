#include "platform/forms/picture_box.h"

#include <algorithm>

namespace corvane::platform {

PictureBox::PictureBox(WindowedControl* container) : WindowedControl(container) {}

void PictureBox::SetPicture(const gfx::Surface& picture) {
  gfx::Surface copy;
  if (!picture.empty()) {
    if (auto created = gfx::Surface::Create(picture.width(), picture.height())) {
      copy = std::move(*created);
      for (int y = 0; y < picture.height(); ++y) {
        std::copy_n(picture.Row(y), picture.width(), copy.Row(y));
      }
    }
  }
  picture_ = std::move(copy);
  Cls();
}

void PictureBox::Repaint() {
  gfx::Surface& image = Image();
  const int w = std::min(image.width(), picture_.width());
  const int h = std::min(image.height(), picture_.height());
  for (int y = 0; y < h; ++y) std::copy_n(picture_.Row(y), w, image.Row(y));
}

}  // namespace corvane::platform
