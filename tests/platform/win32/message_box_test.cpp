#include "platform/win32/message_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

namespace corvane::platform::win32 {
namespace {

TEST(Win32MessageBox, ShowsCaptionAndTextAndReturnsWhenDismissed) {
  std::wstring seen_text;
  const DWORD ui_thread = GetCurrentThreadId();
  // The box is modal: another thread finds it by its caption, reads it and presses OK.
  std::thread user([&] {
    for (int tries = 0; tries < 500; ++tries) {
      if (HWND box = FindWindowW(L"#32770", L"Corvane 設定"); box != nullptr) {
        wchar_t text[128] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 128);
        seen_text = text;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(20);
    }
    PostThreadMessageW(ui_thread, WM_QUIT, 0, 0);  // Never shown: end the box's loop anyway.
  });
  Win32MessageBoxService().Show("Corvane 設定", "Ünïcode ♪ text");
  user.join();
  EXPECT_EQ(seen_text, L"Ünïcode ♪ text");
}

}  // namespace
}  // namespace corvane::platform::win32
