// How long an idle host waits for the saver to cover the screen: the time from starting
// `Corvane.scr /s` to the X server mapping its window "Corvane_Main", on private Xvfb screens of
// 1920 x 1080, 3840 x 2160 and 7680 x 4320 at depth 24, several runs each.
//
//   corvane_startup_bench [saver] [runs] [screens]
//
// Defaults: Corvane.scr beside this program, 5 runs, the three screens; screens is a list such
// as 1920x1080,3840x2160.
//
// The map is seen as the host sees it: this client selects SubstructureNotify on the root window
// before it starts the saver, and waits for the MapNotify of the window whose name is the saver's
// caption, blocking on the connection with no polling. The saver runs as a copy, with the files
// that lie beside it, in a folder of its own, and with a home folder and XDG folders of its own:
// no settings file is found beside it or in the user's folders, so no music plays.

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kCaption = "Corvane_Main";
// Longer than any start-up worth measuring; a saver that shows nothing by then has failed.
constexpr int kMapTimeoutMs = 20000;

struct ScreenSize {
  int width;
  int height;
};

constexpr const char* kScreens = "1920x1080,3840x2160,7680x4320";

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "corvane_startup_bench: %s\n", why.c_str());
  std::exit(1);
}

// Ends a child and reaps it: politely first, so the saver gives the screen back as it would at a
// key press, and for good when it does not go.
void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    usleep(20000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// An Xvfb of its own, on the display number the server picks and reports on a pipe.
class PrivateServer {
 public:
  explicit PrivateServer(ScreenSize size) {
    int fds[2];
    if (pipe(fds) != 0) Fail("no pipe for Xvfb");
    pid_ = fork();
    if (pid_ < 0) Fail("cannot fork Xvfb");
    if (pid_ == 0) {
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      const std::string screen =
          std::to_string(size.width) + "x" + std::to_string(size.height) + "x24";
      if (std::FILE* quiet = std::freopen("/dev/null", "w", stderr); quiet == nullptr) _exit(127);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) {
      Stop(pid_);
      Fail("Xvfb did not start (is it installed? run 'make deps')");
    }
    name_ = ":" + number;
  }
  ~PrivateServer() { Stop(pid_); }
  PrivateServer(const PrivateServer&) = delete;
  PrivateServer& operator=(const PrivateServer&) = delete;

  const std::string& name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// The files a saver needs beside it; those that are missing are left out.
constexpr const char* kProgramFiles[] = {"Corvane.scr", "Corvane.dll", "corvane-media.so"};

// An empty home with its XDG folders and a copy of the program, removed at the end.
class EmptyHome {
 public:
  explicit EmptyHome(const std::filesystem::path& saver) {
    char pattern[] = "/tmp/corvane-startup.XXXXXX";
    if (mkdtemp(pattern) == nullptr) Fail("cannot make a temporary folder");
    path_ = pattern;
    for (const char* sub : {"config", "data", "cache", "runtime"}) {
      std::filesystem::create_directory(path_ / sub);
    }
    std::filesystem::permissions(path_ / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::create_directory(path_ / "program");
    for (const char* file : kProgramFiles) {
      std::error_code missing;
      std::filesystem::copy_file(saver.parent_path() / file, path_ / "program" / file, missing);
    }
    saver_ = path_ / "program" / "Corvane.scr";
  }
  ~EmptyHome() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  EmptyHome(const EmptyHome&) = delete;
  EmptyHome& operator=(const EmptyHome&) = delete;

  std::filesystem::path operator/(const char* sub) const { return path_ / sub; }
  const std::filesystem::path& path() const { return path_; }
  const std::filesystem::path& saver() const { return saver_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path saver_;
};

bool HasCaption(Display* dpy, Window window) {
  char* name = nullptr;
  if (XFetchName(dpy, window, &name) == 0 || name == nullptr) return false;
  const bool match = std::strcmp(name, kCaption) == 0;
  XFree(name);
  return match;
}

// Ignores the errors of windows that went away between their event and the query about them.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// Blocks until the MapNotify of the saver's window, or until the time is up; nullopt then.
std::optional<Clock::time_point> WaitForMap(Display* dpy, Clock::time_point deadline) {
  const int fd = ConnectionNumber(dpy);
  for (;;) {
    while (XPending(dpy) > 0) {
      XEvent event;
      XNextEvent(dpy, &event);
      if (event.type != MapNotify) continue;
      const Clock::time_point seen = Clock::now();
      if (HasCaption(dpy, event.xmap.window)) return seen;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd wait{fd, POLLIN, 0};
    poll(&wait, 1, static_cast<int>(left));
  }
}

// One start of the saver on the display; milliseconds from the exec to the map.
double TimeOneStart(Display* dpy, const std::string& display_name, const EmptyHome& home) {
  const std::string saver = home.saver();
  const Clock::time_point started = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) Fail("cannot fork the saver");
  if (pid == 0) {
    setenv("DISPLAY", display_name.c_str(), 1);
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
    execl(saver.c_str(), saver.c_str(), "/s", static_cast<char*>(nullptr));
    _exit(127);
  }
  const std::optional<Clock::time_point> mapped =
      WaitForMap(dpy, started + std::chrono::milliseconds(kMapTimeoutMs));
  Stop(pid);
  if (!mapped) Fail(saver + " showed no window named " + kCaption + " on " + display_name);
  return std::chrono::duration<double, std::milli>(*mapped - started).count();
}

std::vector<double> TimeStarts(ScreenSize size, const std::string& saver, int runs) {
  PrivateServer server(size);
  Display* dpy = XOpenDisplay(server.name().c_str());
  if (dpy == nullptr) Fail("cannot connect to Xvfb on " + server.name());
  XSetErrorHandler(IgnoreErrors);
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
  XSync(dpy, False);
  EmptyHome home(saver);
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    times.push_back(TimeOneStart(dpy, server.name(), home));
    // The unmap and destruction of this run's window are not the next run's business.
    XSync(dpy, True);
  }
  XCloseDisplay(dpy);
  return times;
}

std::vector<ScreenSize> ParseScreens(const std::string& list) {
  std::vector<ScreenSize> screens;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    ScreenSize size{};
    if (std::sscanf(list.substr(start, end - start).c_str(), "%dx%d", &size.width, &size.height) !=
            2 ||
        size.width <= 0 || size.height <= 0) {
      Fail("a screen is given as WIDTHxHEIGHT, not " + list.substr(start, end - start));
    }
    screens.push_back(size);
    start = end + 1;
  }
  return screens;
}

std::string DefaultSaver(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = argv0;
  return (self.parent_path() / "Corvane.scr").string();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string saver = argc > 1 ? argv[1] : DefaultSaver(argv[0]);
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::vector<ScreenSize> screens = ParseScreens(argc > 3 ? argv[3] : kScreens);
  if (access(saver.c_str(), X_OK) != 0) Fail(saver + " is not built");
  if (runs < 1) Fail("give at least one run");
  // A saver that is stopped must not take this program with it through a broken pipe.
  signal(SIGPIPE, SIG_IGN);

  std::printf("exec to window mapped, %d runs, %s\n", runs, saver.c_str());
  std::printf("%-11s %10s %10s %10s\n", "screen", "min ms", "median ms", "max ms");
  for (const ScreenSize size : screens) {
    std::vector<double> times = TimeStarts(size, saver, runs);
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    const std::string screen = std::to_string(size.width) + "x" + std::to_string(size.height);
    std::printf("%-11s %10.1f %10.1f %10.1f\n", screen.c_str(), times.front(), median,
                times.back());
    std::fflush(stdout);
  }
  return 0;
}
