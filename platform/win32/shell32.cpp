// The shell call of the API subset, forwarded to the system's own.

#include "winapi/shell32.h"

#include <windows.h>
// The shell calls, which the lean <windows.h> leaves out.
#include <shellapi.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform {

namespace {
std::wstring WidenOrEmpty(const char* text) { return text != nullptr ? win32::Widen(text) : L""; }
const wchar_t* OrNull(const char* text, const std::wstring& wide) {
  return text != nullptr ? wide.c_str() : nullptr;
}
}  // namespace

std::intptr_t ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int show) {
  const std::wstring wide_verb = WidenOrEmpty(verb), wide_file = WidenOrEmpty(file),
                     wide_parameters = WidenOrEmpty(parameters),
                     wide_directory = WidenOrEmpty(directory);
  const ::HINSTANCE result = ::ShellExecuteW(
      win32::ToNative<::HWND>(owner), OrNull(verb, wide_verb), OrNull(file, wide_file),
      OrNull(parameters, wide_parameters), OrNull(directory, wide_directory), show);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace corvane::platform
