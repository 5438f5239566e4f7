#pragma once

#include "toolkit/control.h"

namespace corvane::platform {

class WindowedControl;

// An image control: shows a picture at its own size from the control's top-left corner, cut at
// the control's edges, or stretched to the control's size.
class ImageControl : public Control {
 public:
  explicit ImageControl(WindowedControl* container);

  void SetPicture(const gfx::Surface& picture);
  const gfx::Surface& Picture() const { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

 protected:
  void Paint(gfx::Surface& canvas) override;

 private:
  gfx::Surface picture_;
  bool stretch_ = false;
};

}  // namespace corvane::platform
