#pragma once

#include <string_view>

namespace corvane::platform {

// Opens a document or web address in the program the user prefers for it.
class Launcher {
 public:
  virtual ~Launcher() = default;
  static constexpr const char* kServiceName = "launcher";
  // Starts the opening and returns without waiting for it; false when it could not be started.
  virtual bool Open(std::string_view target) = 0;
};

}  // namespace corvane::platform
