#include "tests/conformance/case_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/conformance/conformance_engine.h"

namespace corvane::conformance {
namespace {

std::string Escaped(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\' || c == '"') {
      out += {'\\', c};
    } else if (byte < 0x20 || byte > 0x7E) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void Check(std::string_view name, const std::string& answer, std::string_view expected,
           const char* under_wine, const std::string& detail) {
  if (std::getenv("CORVANE_CONFORMANCE") != nullptr) {
    std::printf("conformance\t%s\t%s\t%s\n", std::string(name).c_str(), Escaped(answer).c_str(),
                Escaped(detail).c_str());
  }
  const bool wine = RunningEngine() == Engine::kWine && under_wine != nullptr;
  EXPECT_EQ(answer, wine ? std::string_view(under_wine) : expected) << name;
}

}  // namespace corvane::conformance
