#include "platform/x11/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>

namespace corvane::platform::x11 {

namespace {

constexpr long kGraceNs = 500'000'000;

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_pending = 0;
volatile std::sig_atomic_t g_loop_owns_requests = 0;
timer_t g_grace_timer{};
bool g_have_grace_timer = false;
struct sigaction g_previous_term {};
struct sigaction g_previous_int {};
struct sigaction g_previous_alarm {};

void EndNow(int) { _exit(0); }

void OnSignal(int) {
  // Only async-signal-safe work: _exit, a flag, one byte into the pipe and arming a timer.
  if (g_loop_owns_requests == 0) _exit(0);
  g_pending = 1;
  const int saved_errno = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = write(g_pipe[1], &byte, 1);
  if (g_have_grace_timer) {
    itimerspec grace{};
    grace.it_value.tv_nsec = kGraceNs;
    timer_settime(g_grace_timer, 0, &grace, nullptr);
  }
  errno = saved_errno;
}

void Install(int signal, void (*handler)(int), struct sigaction* previous) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, previous);
}

}  // namespace

EndSignals::EndSignals() {
  g_loop_owns_requests = 0;
  if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
  sigevent expiry{};
  expiry.sigev_notify = SIGEV_SIGNAL;
  expiry.sigev_signo = SIGALRM;
  g_have_grace_timer = timer_create(CLOCK_MONOTONIC, &expiry, &g_grace_timer) == 0;
  Install(SIGALRM, EndNow, &g_previous_alarm);
  Install(SIGTERM, OnSignal, &g_previous_term);
  Install(SIGINT, OnSignal, &g_previous_int);
}

EndSignals::~EndSignals() {
  sigaction(SIGTERM, &g_previous_term, nullptr);
  sigaction(SIGINT, &g_previous_int, nullptr);
  if (g_have_grace_timer) timer_delete(g_grace_timer);
  g_have_grace_timer = false;
  sigaction(SIGALRM, &g_previous_alarm, nullptr);
  for (int& fd : g_pipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

void EndSignals::HandOverToLoop() {
  // Without the pipe the loop would never hear of a request: keep ending at once.
  if (g_pipe[1] >= 0) g_loop_owns_requests = 1;
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
