#include "platform/x11/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace corvane::platform::x11 {

namespace {
int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_pending = 0;
struct sigaction g_previous_term {};
struct sigaction g_previous_int {};

void OnSignal(int) {
  // Only async-signal-safe work: a flag and one byte into the pipe.
  g_pending = 1;
  const int saved_errno = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = write(g_pipe[1], &byte, 1);
  errno = saved_errno;
}
}  // namespace

EndSignals::EndSignals() {
  if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, &g_previous_term);
  sigaction(SIGINT, &action, &g_previous_int);
}

EndSignals::~EndSignals() {
  sigaction(SIGTERM, &g_previous_term, nullptr);
  sigaction(SIGINT, &g_previous_int, nullptr);
  for (int& fd : g_pipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

int EndSignals::Fd() const { return g_pipe[0]; }

bool EndSignals::TakePending() {
  if (g_pending == 0) return false;
  g_pending = 0;
  char buffer[64];
  while (read(g_pipe[0], buffer, sizeof buffer) > 0) {
  }
  return true;
}

}  // namespace corvane::platform::x11
