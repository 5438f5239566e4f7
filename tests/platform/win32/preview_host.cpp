// A stand-in for the host that shows a saver's preview, as the screen-saver settings do: a window
// whose handle it prints, a report of each child window in it at each size it takes, and
// the window's end after the given number of milliseconds.
//
//   preview_host <milliseconds>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <tuple>

namespace {

constexpr UINT_PTR kLookTimer = 1;
constexpr UINT_PTR kEndTimer = 2;
std::set<std::tuple<HWND, LONG, LONG>> reported;

BOOL CALLBACK ReportChild(HWND child, LPARAM) {
  RECT client{};
  GetClientRect(child, &client);
  if (reported.insert({child, client.right, client.bottom}).second) {
    std::printf("child %ld %ld\n", client.right, client.bottom);
    std::fflush(stdout);
  }
  return TRUE;
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kLookTimer) EnumChildWindows(window, ReportChild, 0);
  if (message == WM_TIMER && wparam == kEndTimer) DestroyWindow(window);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
  const UINT lifetime = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 5000;
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = HostProcedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"CorvanePreviewHost";
  RegisterClassW(&window_class);
  HWND host = CreateWindowExW(0, L"CorvanePreviewHost", L"Preview host", WS_POPUP | WS_VISIBLE, 100,
                              100, 152, 112, nullptr, nullptr, window_class.hInstance, nullptr);
  if (host == nullptr) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(host)));
  std::fflush(stdout);
  SetTimer(host, kLookTimer, 100, nullptr);
  SetTimer(host, kEndTimer, lifetime, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
