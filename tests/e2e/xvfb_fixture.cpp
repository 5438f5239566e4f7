#include "tests/e2e/xvfb_fixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <thread>

#include "tests/support/temp_folder.h"

namespace corvane::e2e {

namespace {
using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

// Runs path with args and the test's environment, in which DISPLAY becomes display (unset when
// empty) and the "NAME=value" entries of env replace their namesakes; stdout goes into out_fd
// when it is not -1.
pid_t Spawn(const std::string& path, const std::vector<std::string>& args,
            const std::string& display, std::vector<std::string> env, int out_fd, int keep_fd) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    if (out_fd >= 0) dup2(out_fd, STDOUT_FILENO);
    // Keep only the descriptors the child is meant to have.
    for (int fd = 3; fd < 1024; ++fd) {
      if (fd != keep_fd) close(fd);
    }
    unsetenv("DISPLAY");
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    for (std::string& entry : env) putenv(entry.data());
    execv(path.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }
}  // namespace

Window XvfbTest::root() const { return DefaultRootWindow(display_); }

std::string XvfbTest::BuildPath(const std::string& relative) {
  const char* dir = std::getenv("CORVANE_BUILD_DIR");
  return std::string(dir != nullptr ? dir : ".") + "/" + relative;
}

void XvfbTest::SetUp() {
  StartServer();
  ASSERT_NE(display_, nullptr) << "Xvfb did not start";
}

void XvfbTest::TearDown() {
  for (Child* child : children_) {
    if (child->pid > 0) {
      kill(child->pid, SIGKILL);
      waitpid(child->pid, nullptr, 0);
    }
    if (child->stdout_fd >= 0) close(child->stdout_fd);
    delete child;
  }
  children_.clear();
  StopServer();
}

void XvfbTest::StartServer() {
  const ScreenOptions options = Options();
  int ready[2];
  if (pipe(ready) != 0) return;
  const std::string size =
      std::to_string(options.width) + "x" + std::to_string(options.height) + "x24";
  std::vector<std::string> args = {
      "-displayfd", std::to_string(ready[1]),    "-screen",   "0",   size,
      "-dpi",       std::to_string(options.dpi), "-nolisten", "tcp", "-noreset"};
  args.insert(args.end(), options.extra_args.begin(), options.extra_args.end());
  server_pid_ = Spawn("/usr/bin/Xvfb", args, "", {}, -1, ready[1]);
  close(ready[1]);
  // Xvfb writes the display number it chose once it accepts connections.
  std::string number;
  const auto deadline = Clock::now() + kPatience;
  pollfd fd{ready[0], POLLIN, 0};
  while (poll(&fd, 1, RemainingMs(deadline)) > 0) {
    char c;
    if (read(ready[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  close(ready[0]);
  if (number.empty()) return;
  display_name_ = ":" + number;
  if (const char* old = std::getenv("DISPLAY")) {
    had_display_ = true;
    saved_display_ = old;
  }
  setenv("DISPLAY", display_name_.c_str(), 1);
  XSetErrorHandler(IgnoreErrors);
  display_ = XOpenDisplay(display_name_.c_str());
  if (display_ == nullptr) return;
  // Desktops publish their text dpi as a resource; the programs read it from there.
  const std::string resources = "Xft.dpi:\t" + std::to_string(options.dpi) + "\n";
  XChangeProperty(display_, root(), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(resources.data()),
                  static_cast<int>(resources.size()));
  XSync(display_, False);
}

void XvfbTest::StopServer() {
  if (display_ != nullptr) XCloseDisplay(display_);
  display_ = nullptr;
  if (server_pid_ > 0) {
    kill(server_pid_, SIGTERM);
    waitpid(server_pid_, nullptr, 0);
  }
  server_pid_ = -1;
  if (had_display_) {
    setenv("DISPLAY", saved_display_.c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
}

Child* XvfbTest::Launch(const std::string& path, const std::vector<std::string>& args,
                        const std::vector<std::string>& env, std::optional<std::string> display) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return nullptr;
  const pid_t pid = Spawn(path, args, display.value_or(display_name_), env, out[1], -1);
  close(out[1]);
  auto* child = new Child{pid, out[0], {}};
  children_.push_back(child);
  return pid > 0 ? child : nullptr;
}

std::optional<std::string> XvfbTest::ReadLine(Child& child, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    const auto newline = child.pending.find('\n');
    if (newline != std::string::npos) {
      std::string line = child.pending.substr(0, newline);
      child.pending.erase(0, newline + 1);
      return line;
    }
    pollfd fd{child.stdout_fd, POLLIN, 0};
    if (poll(&fd, 1, RemainingMs(deadline)) <= 0) return std::nullopt;
    char buffer[256];
    const ssize_t n = read(child.stdout_fd, buffer, sizeof buffer);
    if (n <= 0) return std::nullopt;
    child.pending.append(buffer, static_cast<size_t>(n));
  }
}

std::optional<int> XvfbTest::WaitExit(Child& child, std::chrono::milliseconds timeout) {
  if (child.pid <= 0) return std::nullopt;
  const auto deadline = Clock::now() + timeout;
  while (true) {
    int status = 0;
    if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
      child.pid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void XvfbTest::Signal(Child& child, int signal) {
  if (child.pid > 0) kill(child.pid, signal);
}

double CpuSeconds(const Child& child) {
  const std::string stat =
      test_support::ReadFileBytes("/proc/" + std::to_string(child.pid) + "/stat");
  // After the command name in parentheses come the state (field 3) and utime, stime (14, 15).
  std::istringstream fields(stat.substr(stat.rfind(')') + 1));
  std::string skipped;
  for (int field = 3; field < 14; ++field) fields >> skipped;
  double user = 0;
  double system = 0;
  fields >> user >> system;
  return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool XvfbTest::WaitUntil(const std::function<bool()>& condition,
                         std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

Window XvfbTest::FindWindow(const std::string& caption) {
  Window root_return = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  Window found = None;
  if (XQueryTree(display_, root(), &root_return, &parent, &children, &count) == 0) return found;
  for (unsigned i = 0; i < count && found == None; ++i) {
    char* name = nullptr;
    if (XFetchName(display_, children[i], &name) != 0 && name != nullptr) {
      if (caption == name) found = children[i];
      XFree(name);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

Window XvfbTest::WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout) {
  Window window = None;
  WaitUntil([&] { return (window = FindWindow(caption)) != None; }, timeout);
  return window;
}

std::vector<int> XvfbTest::ViewableRect(Window window, std::chrono::milliseconds timeout) {
  XWindowAttributes attributes{};
  WaitUntil(
      [&] {
        XGetWindowAttributes(display_, window, &attributes);
        return attributes.map_state == IsViewable;
      },
      timeout);
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(display_, window, root(), 0, 0, &x, &y, &child);
  return {x, y, attributes.width, attributes.height};
}

void XvfbTest::MovePointer(int x, int y) {
  XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
  XSync(display_, False);
}

void XvfbTest::Click(int x, int y, unsigned button) {
  MovePointer(x, y);
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  XSync(display_, False);
}

void XvfbTest::PressKey(unsigned long keysym) {
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XSync(display_, False);
}

std::vector<std::uint32_t> XvfbTest::ReadPixels(Window window, int x, int y, int width,
                                                int height) {
  std::vector<std::uint32_t> pixels;
  XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return pixels;
  pixels.reserve(static_cast<size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) pixels.push_back(XGetPixel(image, col, row) & 0xFFFFFF);
  }
  XDestroyImage(image);
  return pixels;
}

Window XvfbTest::PaintWindow(int x, int y, int width, int height, std::uint32_t rgb) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = rgb;
  attributes.override_redirect = True;
  const Window window = XCreateWindow(
      display_, root(), x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
      CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWOverrideRedirect, &attributes);
  XMapRaised(display_, window);
  XSync(display_, False);
  return window;
}

}  // namespace corvane::e2e
