#pragma once

namespace corvane {

// The project's page, which the dialog's link shows and opens; set by the build
// (CORVANE_HOME_PAGE).
inline constexpr const char* kHomePage = CORVANE_HOME_PAGE;

}  // namespace corvane
