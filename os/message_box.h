#pragma once

#include <string_view>

#include "os/service.h"

namespace corvane::platform {

// A modal message with one OK button.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  static constexpr const char* kServiceName = "message box";
  // Shows caption and text (UTF-8) and returns when the user has dismissed the box.
  virtual void Show(std::string_view caption, std::string_view text) = 0;
};

// Shows a message box through the installed service.
inline void MsgBox(std::string_view text, std::string_view caption) {
  Service<MessageBoxService>::Get().Show(caption, text);
}

}  // namespace corvane::platform
