#pragma once

#include "toolkit/form.h"
#include "toolkit/image_control.h"

namespace corvane {

// The preview form: a borderless black window, measured in pixels, that shows the program's fixed
// picture inside the host's preview pane. It has no timers and handles no keys or mouse input.
class Corvane_R final : public platform::Form {
 public:
  Corvane_R();

  // The picture, drawn at its own size from the top-left corner and never scaled: a larger pane
  // shows black beyond it, a smaller one cuts it at the right and bottom.
  platform::ImageControl Img_Prev{this};

 private:
  void Form_Unload();
};

}  // namespace corvane
