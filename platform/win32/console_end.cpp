#include "platform/win32/console_end.h"

#include <windows.h>

#include <atomic>

namespace corvane::platform::win32 {

namespace {

constexpr DWORD kGraceMs = 500;

HANDLE g_event = nullptr;
std::atomic<bool> g_loop_owns_requests = false;

BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (!g_loop_owns_requests) ExitProcess(0);
  SetEvent(g_event);
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    Sleep(kGraceMs);
  }
  return TRUE;
}

}  // namespace

ConsoleEndRequests::ConsoleEndRequests() {
  g_loop_owns_requests = false;
  g_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

ConsoleEndRequests::~ConsoleEndRequests() {
  SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
  g_loop_owns_requests = false;
  if (g_event != nullptr) CloseHandle(g_event);
  g_event = nullptr;
}

void ConsoleEndRequests::HandOverToLoop() {
  // Without the event the loop would never hear of a request: keep ending at once.
  if (g_event != nullptr) g_loop_owns_requests = true;
}

void* ConsoleEndRequests::Event() const { return g_event; }

bool ConsoleEndRequests::TakePending() {
  if (g_event == nullptr || WaitForSingleObject(g_event, 0) != WAIT_OBJECT_0) return false;
  ResetEvent(g_event);
  return true;
}

}  // namespace corvane::platform::win32
