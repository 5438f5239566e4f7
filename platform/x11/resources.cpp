#include "platform/x11/resources.h"

#include <charconv>

namespace corvane::platform::x11 {

namespace {
std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}
}  // namespace

std::optional<double> XftDpiFromResources(std::string_view resources) {
  std::optional<double> dpi;
  while (!resources.empty()) {
    const auto end = resources.find('\n');
    const std::string_view line = resources.substr(0, end);
    resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || Trim(line.substr(0, colon)) != "Xft.dpi") continue;
    const std::string_view value = Trim(line.substr(colon + 1));
    double parsed = 0;
    const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), parsed);
    // Like the resource database, the last entry of a name wins.
    if (ec == std::errc() && ptr == value.data() + value.size() && parsed > 0) dpi = parsed;
  }
  return dpi;
}

}  // namespace corvane::platform::x11
