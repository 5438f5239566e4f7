#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace corvane::fuzz {

// Cuts one fuzz input into text fields at NUL bytes, so a target that needs several strings gets
// them from one input; fields past the end are empty.
class Fields {
 public:
  Fields(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::string_view Next() {
    const std::size_t end = rest_.find('\0');
    const std::string_view field = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    return field;
  }

  // Whatever follows, NULs included, for a target whose last field is binary.
  std::string_view Rest() {
    const std::string_view rest = rest_;
    rest_ = {};
    return rest;
  }

  // The first byte of the next field as a small number, for choices and sizes.
  std::uint8_t NextByte() {
    const std::string_view field = Next();
    return field.empty() ? 0 : static_cast<std::uint8_t>(field.front());
  }

 private:
  std::string_view rest_;
};

// Stops the run with a message when a property the target checks does not hold; the fuzzer keeps
// the input that broke it.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace corvane::fuzz
