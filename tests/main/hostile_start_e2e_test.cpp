// The real Corvane.scr started the way a careless host or a hostile environment starts it: with
// its standard descriptors closed, with special files where it expects files, ended while it
// cannot make progress, and left without its X server.
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/settings_file.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/Xlib.h>

namespace corvane::e2e {
namespace {

constexpr char kDisplayCaption[] = "Corvane_Main";
constexpr char kMessageCaption[] = "Corvane (Screen Saver)";

// True once the process catches the signal, as the kernel reports it.
bool Catches(pid_t pid, int signal) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("SigCgt:")) {
      return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1) != 0;
    }
  }
  return false;
}

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
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), test_support::Ini(0, "0"));
  for (const std::string closed : {"2>&-", "<&- >&- 2>&-"}) {
    Child* child = StartRedirected(copy, closed, "/s");
    ASSERT_NE(child, nullptr);
    EXPECT_NE(WaitForWindow(kDisplayCaption), 0u) << closed;
    Signal(*child, SIGTERM);
    EXPECT_EQ(WaitExit(*child), 0) << closed;
  }
}

TEST_F(HostileStartE2eTest, AFifoInPlaceOfAFileIsNotWaitedFor) {
  // Opening a FIFO waits for a writer that never comes. Read as missing instead, no settings
  // leave the display as it would be without music, and no library shows the message.
  struct Case {
    const char* name;
    const char* window;
  };
  for (const Case c :
       {Case{"Corvane.ini", kDisplayCaption}, Case{"Corvane.dll", kMessageCaption}}) {
    ProgramCopy copy(BuildPath("."), true);
    std::filesystem::remove(copy.Path(c.name));
    ASSERT_EQ(::mkfifo(copy.Path(c.name).c_str(), 0600), 0);
    Child* child = Launch(copy.program(), {"/s"}, copy.Environment());
    ASSERT_NE(child, nullptr);
    EXPECT_NE(WaitForWindow(c.window), 0u) << c.name;
    Signal(*child, SIGTERM);
    EXPECT_EQ(WaitExit(*child), 0) << c.name;
  }
}

TEST_F(HostileStartE2eTest, AServerThatDiesUnderTheSaverEndsItWithOneLineAndAFailure) {
  ProgramCopy copy(BuildPath("."), true);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), test_support::Ini(0, "0"));
  Child* child = StartRedirected(copy, "2>&1", "/s");
  ASSERT_NE(child, nullptr);
  ASSERT_NE(WaitForWindow(kDisplayCaption), 0u);
  StopServer();
  const std::optional<int> status = WaitExit(*child);
  ASSERT_TRUE(status.has_value()) << "still running without its server";
  EXPECT_GT(*status, 0);
  EXPECT_LT(*status, 128) << "ended by a signal rather than by itself";
  const std::optional<std::string> line = ReadLine(*child);
  ASSERT_TRUE(line.has_value());
  EXPECT_NE(line->find("lost the connection to the X server"), std::string::npos) << *line;
  EXPECT_EQ(ReadLine(*child), std::nullopt) << "more than one line";
}

TEST_F(HostileStartE2eTest, EndSignalEndsTheProgramWhileTheServerDoesNotAnswer) {
  // While another client holds the server, no request of the program is answered: it stalls at
  // its first one during start-up, and in its first one on the way out once its window is up.
  ProgramCopy copy(BuildPath("."), true);
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), test_support::Ini(0, "0"));
  for (const bool window_up : {false, true}) {
    if (!window_up) XGrabServer(display());
    XSync(display(), False);
    Child* child = Launch(copy.program(), {"/s"}, copy.Environment());
    ASSERT_NE(child, nullptr);
    if (window_up) {
      // The picture changing twice (the first paint, then a tick's strip) shows the event loop
      // has taken over from start-up.
      const Window window = WaitForWindow(kDisplayCaption);
      ASSERT_NE(window, 0u);
      std::vector<std::uint32_t> last;
      int changes = 0;
      EXPECT_TRUE(WaitUntil([&] {
        std::vector<std::uint32_t> now = ReadPixels(window, 0, 0, 640, 480);
        if (now != last) ++changes;
        last = std::move(now);
        return changes >= 3;
      }));
      XGrabServer(display());
      XSync(display(), False);
    }
    EXPECT_TRUE(WaitUntil([&] { return Catches(child->pid, SIGTERM); })) << window_up;
    Signal(*child, SIGTERM);
    EXPECT_EQ(WaitExit(*child), 0) << window_up;
    XUngrabServer(display());
  }
}

}  // namespace
}  // namespace corvane::e2e
