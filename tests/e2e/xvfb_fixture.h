#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Xlib's types without its macros, which clash with GoogleTest's names.
typedef struct _XDisplay Display;
typedef unsigned long Window;

namespace corvane::e2e {

struct ScreenOptions {
  int width = 640;
  int height = 480;
  int dpi = 96;
  // Extra arguments for Xvfb, for example {"-extension", "MIT-SHM"} to refuse shared memory.
  std::vector<std::string> extra_args;
};

// A process the fixture started; its stdout is read line by line.
struct Child {
  pid_t pid = -1;
  int stdout_fd = -1;
  std::string pending;  // Output read but not yet returned as a line.
};

// Processor time (user and system) the child has used so far, in seconds.
double CpuSeconds(const Child& child);

// A GoogleTest fixture that runs each test against its own Xvfb on a free display: it starts the
// server (size and dpi from Options()), sets DISPLAY for the test and the programs it starts,
// synthesises input with XTest, reads pixels back with XGetImage, and ends every process it
// started when the test ends. Waits are bounded; nothing asserts on how fast anything is.
class XvfbTest : public ::testing::Test {
 public:
  // Path of a file in the build tree ($CORVANE_BUILD_DIR).
  static std::string BuildPath(const std::string& relative);

 protected:
  static constexpr std::chrono::milliseconds kPatience{10'000};

  virtual ScreenOptions Options() const { return {}; }
  void SetUp() override;
  void TearDown() override;

  // The test's own connection to the server.
  Display* display() const { return display_; }
  Window root() const;
  const std::string& display_name() const { return display_name_; }

  // Starts a program with DISPLAY set (and extra "NAME=value" environment entries); nullopt if
  // it could not be started. Set display to "" to run it without any DISPLAY.
  Child* Launch(const std::string& path, const std::vector<std::string>& args,
                const std::vector<std::string>& env = {},
                std::optional<std::string> display = std::nullopt);
  // The next line the child wrote to stdout, without the newline; nullopt on timeout or end.
  std::optional<std::string> ReadLine(Child& child, std::chrono::milliseconds timeout = kPatience);
  // The child's exit status (or 128 + signal), waiting up to timeout; nullopt if still running.
  std::optional<int> WaitExit(Child& child, std::chrono::milliseconds timeout = kPatience);
  void Signal(Child& child, int signal);

  // The first top-level window with exactly this caption (or 0).
  Window FindWindow(const std::string& caption);
  Window WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout = kPatience);
  // Where a window shows on the screen once it is viewable: {x, y, width, height}.
  std::vector<int> ViewableRect(Window window, std::chrono::milliseconds timeout = kPatience);
  bool WaitUntil(const std::function<bool()>& condition,
                 std::chrono::milliseconds timeout = kPatience);

  // Input through XTest, as a user would give it.
  void MovePointer(int x, int y);
  void Click(int x, int y, unsigned button = 1);
  void PressKey(unsigned long keysym);

  // Pixels as 0x00RRGGBB, row by row, of a screen rectangle (root) or of a window.
  std::vector<std::uint32_t> ReadPixels(Window window, int x, int y, int width, int height);
  // Fills a screen rectangle with a colour, drawn by the test on a window of its own.
  Window PaintWindow(int x, int y, int width, int height, std::uint32_t rgb);

  // Ends the server under the programs still connected to it, as when it dies.
  void StopServer();

 private:
  void StartServer();

  pid_t server_pid_ = -1;
  std::string display_name_;
  std::string saved_display_;
  bool had_display_ = false;
  Display* display_ = nullptr;
  std::vector<Child*> children_;
};

}  // namespace corvane::e2e
