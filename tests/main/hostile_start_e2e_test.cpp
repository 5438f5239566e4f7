// The real Corvane.scr started the way a careless host or a hostile environment starts it: with
// its standard descriptors closed, twice at once, with special files where it expects files, and
// ended while it cannot make progress.
#include <signal.h>

#include <string>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

constexpr char kDisplayCaption[] = "Corvane_Main";
constexpr char kSettings[] = "[Section]\r\nBGM\x8b\xe6\x95\xaa=0\r\n";

class HostileStartE2eTest : public XvfbTest {
 protected:
  // Starts the program through a shell that first applies redirections such as "2>&-".
  Child* StartRedirected(const ProgramCopy& copy, const std::string& redirections,
                         const std::string& mode) {
    return Launch("/bin/sh", {"-c", "exec \"$0\" \"$@\" " + redirections, copy.program(), mode},
                  copy.Environment());
  }
};

TEST_F(HostileStartE2eTest, ClosedStandardDescriptorsLeaveDiagnosticsHarmless) {
  // A file that is no library makes the display say so on standard error before its window shows.
  ProgramCopy copy(BuildPath("."), false);
  test_support::WriteFileBytes(copy.Path("Corvane.dll"), "not a library");
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), kSettings);
  for (const std::string closed : {"2>&-", "<&- >&- 2>&-"}) {
    Child* child = StartRedirected(copy, closed, "/s");
    ASSERT_NE(child, nullptr);
    EXPECT_NE(WaitForWindow(kDisplayCaption), 0u) << closed;
    Signal(*child, SIGTERM);
    EXPECT_EQ(WaitExit(*child), 0) << closed;
  }
}

}  // namespace
}  // namespace corvane::e2e
