#pragma once

#include "toolkit/windowed_control.h"

namespace corvane::platform {

// A picture box: a windowed control whose persistent image starts as its Picture on its
// background colour. Drawing goes through hDC; Refresh shows it.
class PictureBox : public WindowedControl {
 public:
  explicit PictureBox(WindowedControl* container);

  // The picture is copied; the image is cleared to it (the picture at the top-left, unscaled,
  // the background colour elsewhere).
  void SetPicture(const gfx::Surface& picture);
  const gfx::Surface& Picture() const { return picture_; }

 protected:
  void Repaint() override;

 private:
  gfx::Surface picture_;
};

}  // namespace corvane::platform
