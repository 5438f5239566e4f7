#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Whether text, already trimmed and without its sign, is digits, point and exponent as allowed.
bool IsUnsignedDecimal(std::string_view text) {
  std::size_t at = SkipDigits(text, 0);
  bool digits = at > 0;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = at + 1;
    at = SkipDigits(text, fraction);
    digits = digits || at > fraction;
  }
  if (!digits) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponent = at;
    at = SkipDigits(text, exponent);
    if (at == exponent) return false;
  }
  return at == text.size();
}

std::optional<std::int16_t> ToInt16(double whole) {
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!IsUnsignedDecimal(text)) return std::nullopt;
  double value = 0;
  // Magnitudes a double cannot hold fail here: large ones would not fit 16 bits anyway, and
  // vanishingly small ones count as no number rather than as zero.
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int16_t> FloorToInt16(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  return ToInt16(std::floor(*number));
}

std::optional<std::int16_t> RoundToInt16(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  // The default floating-point rounding mode rounds halves to even.
  return ToInt16(std::nearbyint(*number));
}

}  // namespace corvane
