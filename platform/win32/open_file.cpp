#include "platform/win32/open_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

void* OpenRegularFile(const std::string& path, OpenProblem* problem) {
  const auto wide = WidenExactly(path);
  if (!wide) {
    *problem = OpenProblem::kMissing;  // No file can have a name that is not text.
    return nullptr;
  }
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open at all; a busy pipe fails at once.
  const HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                         error == ERROR_INVALID_NAME || error == ERROR_INVALID_DRIVE ||
                         error == ERROR_BAD_NETPATH || error == ERROR_DIRECTORY;
    *problem = missing ? OpenProblem::kMissing : OpenProblem::kNotRegular;
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    CloseHandle(file);
    *problem = OpenProblem::kNotRegular;
    return nullptr;
  }
  *problem = OpenProblem::kNone;
  return file;
}

}  // namespace corvane::platform::win32
