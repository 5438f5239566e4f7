#include "platform/win32/event_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace corvane::platform::win32 {
namespace {

std::vector<std::string> g_log;
Win32EventLoop* g_loop = nullptr;

// A window procedure as the window service's: it hears the system's end request and hands it on.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_USER) return DefWindowProcW(window, message, wparam, lparam);
  g_loop->RequestEnd();
  g_log.push_back("window returns");
  return 0;
}

class Win32EventLoopTest : public testing::Test {
 protected:
  Win32EventLoopTest() { g_loop = &loop_; }
  ConsoleEndRequests console_;
  Win32EventLoop loop_{console_};
};

TEST_F(Win32EventLoopTest, TimersKeepTheFloorAndComeAfterEverythingElse) {
  const std::int64_t start = loop_.NowMs();
  int ticks = 0;
  loop_.StartTimer(1, [&] { ++ticks; });
  ASSERT_TRUE(loop_.RunUntil([&] { return ticks == 8; }));
  // Eight ticks of 15.625 ms: the system's 10 ms timers would take 80 ms.
  EXPECT_GE(loop_.NowMs() - start, 124);

  WNDCLASSW window_class{};
  window_class.lpfnWndProc = Procedure;
  window_class.lpszClassName = L"CorvaneLoopTest";
  RegisterClassW(&window_class);
  const HWND window = CreateWindowExW(0, L"CorvaneLoopTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  Sleep(40);  // The timer is due, with two expirations missed.
  loop_.Post([] { g_log.push_back("posted"); });
  PostMessageW(window, WM_USER, 0, 0);
  loop_.SetEndRequestHandler([] { g_log.push_back("end"); });
  ticks = 0;
  ASSERT_TRUE(loop_.RunUntil([&] { return ticks > 0; }));
  EXPECT_EQ(g_log, (std::vector<std::string>{"window returns", "end", "posted"}));
  EXPECT_EQ(ticks, 1);
  DestroyWindow(window);
}

TEST_F(Win32EventLoopTest, QuitEndsEveryNestedLevelAndAnEndedInnerLevelReturnsTrue) {
  bool inner_done = false, inner_result = false, nested_result = true;
  loop_.Post([&] {
    loop_.Post([&] { inner_done = true; });
    inner_result = loop_.RunUntil([&] { return inner_done; });
    loop_.StartTimer(20, [&] { loop_.Quit(3); });
    nested_result = loop_.RunUntil([] { return false; });
  });
  EXPECT_FALSE(loop_.RunUntil([] { return false; }));
  EXPECT_TRUE(inner_result);
  EXPECT_FALSE(nested_result);
  EXPECT_EQ(loop_.ExitCode(), 3);

  Win32EventLoop ended(console_), quit_message(console_);
  ended.RequestEnd();
  EXPECT_FALSE(ended.RunUntil([] { return false; })) << "no handler: quits";
  EXPECT_EQ(ended.ExitCode(), 0);
  PostQuitMessage(7);
  EXPECT_FALSE(quit_message.RunUntil([] { return false; }));
  EXPECT_EQ(quit_message.ExitCode(), 7);
}

TEST_F(Win32EventLoopTest, TheConsolesEndRequestWakesTheLoopAndIsHandledOnItsThread) {
  // A console of this process alone, so that Ctrl+C reaches no other program.
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  DWORD handled_on = 0;
  loop_.SetEndRequestHandler([&] { handled_on = GetCurrentThreadId(); });
  // No timer runs: only the console's event in the wait set can wake the loop.
  loop_.Post([] { ASSERT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)); });
  ASSERT_TRUE(loop_.RunUntil([&] { return handled_on != 0; }));
  EXPECT_EQ(handled_on, GetCurrentThreadId()) << "not on the system's thread";
}

}  // namespace
}  // namespace corvane::platform::win32
