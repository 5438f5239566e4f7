#include "platform/win32/message_box.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

void Win32MessageBoxService::Show(std::string_view caption, std::string_view text) {
  // A full-screen window of ours is topmost: the box must be too, or it opens behind it.
  MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(),
              MB_OK | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace corvane::platform::win32
