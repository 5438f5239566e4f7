#pragma once

#include "os/message_box.h"

namespace corvane::platform::win32 {

// The system's message box, owned by our active window so that it stays above it and keeps it
// from input until dismissed.
class Win32MessageBoxService final : public MessageBoxService {
 public:
  void Show(std::string_view caption, std::string_view text) override;
};

}  // namespace corvane::platform::win32
