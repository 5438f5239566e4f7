#pragma once

#include <string>
#include <vector>

#include "os/message_box.h"

namespace corvane::platform::fake {

// Records each message instead of showing it; "dismissed" at once.
class FakeMessageBoxService final : public MessageBoxService {
 public:
  struct Shown {
    std::string caption;
    std::string text;
  };
  void Show(std::string_view caption, std::string_view text) override {
    shown_.push_back(Shown{std::string(caption), std::string(text)});
  }
  const std::vector<Shown>& shown() const { return shown_; }

 private:
  std::vector<Shown> shown_;
};

}  // namespace corvane::platform::fake
