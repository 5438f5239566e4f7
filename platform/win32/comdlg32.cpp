// The common file dialog of the API subset, forwarded to the system's own.

#include "winapi/comdlg32.h"

#include <windows.h>
// The dialog calls, which the lean <windows.h> leaves out.
#include <commdlg.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform {

namespace {

// A filter is pairs of NUL-ended texts, ended by an empty one.
std::wstring WidenFilter(const char* filter) {
  std::wstring wide;
  if (filter == nullptr) return wide;
  for (std::string_view part = filter; !part.empty(); part = filter) {
    wide += win32::Widen(part);
    wide += L'\0';
    filter += part.size() + 1;
  }
  wide += L'\0';
  return wide;
}

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* request) {
  if (request == nullptr || request->lpstrFile == nullptr || request->nMaxFile == 0) return 0;
  const std::wstring filter = WidenFilter(request->lpstrFilter);
  const std::wstring folder =
      request->lpstrInitialDir != nullptr ? win32::Widen(request->lpstrInitialDir) : L"";
  const std::wstring title =
      request->lpstrTitle != nullptr ? win32::Widen(request->lpstrTitle) : L"";
  // Room for any path the system can give: the UTF-8 text is checked against the caller's size.
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');

  ::OPENFILENAMEW native{};
  native.lStructSize = sizeof native;
  native.hwndOwner = win32::ToNative<::HWND>(request->hwndOwner);
  native.lpstrFilter = request->lpstrFilter != nullptr ? filter.c_str() : nullptr;
  native.nFilterIndex = 1;
  native.lpstrFile = file.data();
  native.nMaxFile = static_cast<DWORD>(file.size());
  native.lpstrInitialDir = request->lpstrInitialDir != nullptr ? folder.c_str() : nullptr;
  native.lpstrTitle = request->lpstrTitle != nullptr ? title.c_str() : nullptr;
  native.Flags = request->Flags;
  if (!::GetOpenFileNameW(&native)) return 0;

  const std::string path = win32::Narrow(file.data());
  if (path.empty() || path.size() >= request->nMaxFile) return 0;
  win32::CopyCut(path, request->lpstrFile, request->nMaxFile);
  return 1;
}

}  // namespace corvane::platform
