#include "platform/desktop/chooser_text.h"

#include "gfx/ascii.h"

namespace corvane::platform {

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A path the program can store in its settings file and hand to the media service.
bool UsablePath(std::string_view path) {
  return path.size() > 1 && path[0] == '/' &&
         path.find_first_of(std::string_view("\0\n\r", 3)) == std::string_view::npos;
}
}  // namespace

std::string AnyCaseGlob(std::string_view glob) {
  std::string out;
  for (const char c : glob) {
    const char lower = gfx::AsciiLower(c), upper = gfx::AsciiUpper(c);
    if (lower == upper) {
      out += c;
      continue;
    }
    out += '[';
    out += lower;
    out += upper;
    out += ']';
  }
  return out;
}

std::optional<std::string> PathFromFileUri(std::string_view uri) {
  constexpr std::string_view kScheme = "file://";
  if (uri.substr(0, kScheme.size()) != kScheme) return std::nullopt;
  uri.remove_prefix(kScheme.size());
  // Only the local host, spelled as nothing or as "localhost".
  if (uri.substr(0, 9) == "localhost") uri.remove_prefix(9);
  std::string path;
  for (size_t i = 0; i < uri.size(); ++i) {
    if (uri[i] != '%') {
      path += uri[i];
      continue;
    }
    const int high = i + 2 < uri.size() ? HexValue(uri[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(uri[i + 2]) : -1;
    if (low < 0) return std::nullopt;
    path += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (!UsablePath(path)) return std::nullopt;
  return path;
}

std::optional<std::string> PathFromOutput(std::string_view output) {
  if (!output.empty() && output.back() == '\n') output.remove_suffix(1);
  if (!UsablePath(output)) return std::nullopt;
  return std::string(output);
}

}  // namespace corvane::platform
