#include "core/command_line.h"

#include "platform/runtime.h"
#include "platform/service.h"

namespace corvane {

std::string ArgumentText() {
  using Runtime = platform::Service<platform::Runtime>;
  return Runtime::Installed() ? Runtime::Get().ArgumentText() : std::string();
}

char ModeLetter(std::string_view argument_text) {
  if (argument_text.size() < 2) return '\0';
  const char c = argument_text[1];
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<std::int32_t> HostWindowHandle(std::string_view argument_text) {
  std::int64_t value = 0;
  if (argument_text.size() < 4) return 0;
  for (const char c : argument_text.substr(3)) {
    if (c == ' ' || c == '\t') continue;
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace corvane
