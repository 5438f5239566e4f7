#include "os/warn.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/win32/wide_text.h"

namespace corvane::platform {

void Warn(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  char text[1024];
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  // One write per line, so lines of two threads never interleave.
  const std::string line = std::string("Corvane: ") + text + "\n";
  // A console shows bytes in its own code page, which is not UTF-8: it gets the line as wide
  // text. A file or a pipe gets the program's UTF-8 as it is.
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (error != nullptr && error != INVALID_HANDLE_VALUE && GetConsoleMode(error, &mode)) {
    const std::wstring wide =
        win32::WidenExactly(line).value_or(L"Corvane: (a line that is not UTF-8)\n");
    DWORD written = 0;
    if (WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
      return;
    }
  }
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace corvane::platform
