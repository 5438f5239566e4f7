#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// Reading a decimal number from text the way the program's settings code needs it. A number is
// optional blanks, an optional sign, digits with an optional decimal point (".5" and "5." count),
// an optional exponent ("1e3"), and optional blanks. Anything else is not a number.
std::optional<double> ParseNumber(std::string_view text);

// The number in text taken down to the next whole number (1.9 gives 1, -0.5 gives -1), or
// nothing when text is not a number or the result does not fit 16 bits.
std::optional<std::int16_t> FloorToInt16(std::string_view text);

// The number in text rounded to the nearest whole number, halves to the even one (2.5 gives 2,
// 3.5 gives 4), or nothing when text is not a number or the result does not fit 16 bits.
std::optional<std::int16_t> RoundToInt16(std::string_view text);

}  // namespace corvane
