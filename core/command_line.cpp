#include "core/command_line.h"

#include <charconv>
#include <system_error>

#include "gfx/ascii.h"
#include "os/runtime.h"
#include "os/service.h"

namespace corvane {

namespace {

// A whole token as a window id: decimal digits, or hexadecimal ones after "0x"; 0 for anything
// else, for no digits and for a value beyond 32 bits.
std::uint32_t WindowId(std::string_view token) {
  int base = 10;
  if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
    base = 16;
    token.remove_prefix(2);
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  return error == std::errc() && end == token.data() + token.size() ? value : 0;
}

}  // namespace

std::string ArgumentText() { return platform::Service<platform::Runtime>::Get().ArgumentText(); }

char ModeLetter(std::string_view argument_text) {
  if (argument_text.size() < 2) return '\0';
  return gfx::AsciiUpper(argument_text[1]);
}

std::string HostWindowVariable() {
  return platform::Service<platform::Runtime>::Get().EnvironmentValue("XSCREENSAVER_WINDOW");
}

std::optional<std::uint32_t> HostedWindow(std::string_view argument_text,
                                          std::string_view window_variable) {
  if (argument_text.empty()) {
    if (window_variable.empty()) return std::nullopt;
    return WindowId(window_variable);
  }
  // Hosts pass their switches as separate arguments, which the argument text joins by blanks.
  bool hosted = false;
  std::optional<std::uint32_t> named;
  std::string_view rest = argument_text;
  std::string_view previous;
  while (!rest.empty()) {
    const std::size_t blank = rest.find(' ');
    const std::string_view token = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    if (token == "-root" || token == "--root") hosted = true;
    if (previous == "-window-id" || previous == "--window-id") {
      hosted = true;
      named = WindowId(token);
    }
    previous = token;
  }
  // A switch at the very end names no window.
  if (previous == "-window-id" || previous == "--window-id") return 0;
  if (!hosted) return std::nullopt;
  return named ? *named : WindowId(window_variable);
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
