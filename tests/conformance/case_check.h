#pragma once

#include <string>
#include <string_view>

namespace corvane::conformance {

// Checks a case's answer against its row: under Wine against the row's answer for Wine when it
// has one (a known deviation of Wine's from Windows), everywhere else against the expected one.
// With CORVANE_CONFORMANCE set, also prints "conformance<TAB>name<TAB>answer<TAB>detail" for
// tools/conformance-report.py, with controls, quotes, backslashes and bytes above 0x7E escaped as
// C does; detail is shown in the report but never compared.
void Check(std::string_view name, const std::string& answer, std::string_view expected,
           const char* under_wine, const std::string& detail = {});

}  // namespace corvane::conformance
