#include "toolkit/picture_box.h"

#include "gfx/blit.h"

namespace corvane::platform {

PictureBox::PictureBox(WindowedControl* container) : WindowedControl(container) {}

void PictureBox::SetPicture(const gfx::Surface& picture) {
  picture_ = picture.Clone();
  Cls();
}

void PictureBox::Repaint() {
  gfx::Blit(Image(), 0, 0, picture_.width(), picture_.height(), picture_, 0, 0);
}

}  // namespace corvane::platform
