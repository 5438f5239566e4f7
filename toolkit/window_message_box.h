#pragma once

#include "os/event_loop.h"
#include "os/message_box.h"
#include "os/window.h"

namespace corvane::platform {

// The message box drawn by the program itself in a small window of its own: caption, text lines
// and one OK button. OK (click), Enter, Space or the window manager's close dismiss it. Works on
// any window service, so the same box runs on X and on the fakes.
class WindowMessageBox final : public MessageBoxService {
 public:
  void Show(std::string_view caption, std::string_view text) override;
};

}  // namespace corvane::platform
