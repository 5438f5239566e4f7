#pragma once

#include <windows.h>

// Runs the thread's messages for at least ms milliseconds, as the event loop would (translate:
// with TranslateMessage). Wine shows what was drawn only after such a pump.
inline void Pump(DWORD ms = 50, bool translate = true) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (translate) TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}
