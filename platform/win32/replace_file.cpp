#include "platform/win32/replace_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

namespace {

bool Failed(std::string* why, const char* step, DWORD error) {
  *why = std::string(step) + ": " + ErrorText(error);
  return false;
}

// The file a link leads to, as the system resolves it when it opens the path; the path itself
// when it is no link or when nothing is there yet.
std::wstring FinalPath(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return path;
  }
  const HANDLE file =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::wstring final_path(MAX_PATH, L'\0');
  DWORD length = GetFinalPathNameByHandleW(file, final_path.data(), MAX_PATH, 0);
  if (length >= MAX_PATH) {
    final_path.resize(length);
    length = GetFinalPathNameByHandleW(file, final_path.data(), length, 0);
  }
  CloseHandle(file);
  if (length == 0 || length >= final_path.size()) return path;
  final_path.resize(length);
  return final_path;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool ReplaceWhole(const std::string& path, std::string_view bytes, std::string* why) {
  const auto wide = WidenExactly(path);
  if (!wide) return Failed(why, "not replaced, its name is not UTF-8", ERROR_INVALID_NAME);
  const std::wstring target = FinalPath(*wide);
  const DWORD old_attributes = GetFileAttributesW(target.c_str());
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    *why = "not replaced, it is a folder";
    return false;
  }
  // Windows refuses to move a file over a read-only one; Wine does not, so it is asked first.
  if (old_attributes != INVALID_FILE_ATTRIBUTES &&
      (old_attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    *why = "not replaced, it is read-only";
    return false;
  }

  // The process id keeps two running copies apart; a leftover of a crashed run is removed first.
  const std::wstring temporary = target + L".tmp-" + std::to_wstring(GetCurrentProcessId());
  DeleteFileW(temporary.c_str());
  const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return Failed(why, "cannot create its temporary file", GetLastError());
  }
  bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
  DWORD error = ok ? ERROR_SUCCESS : GetLastError();
  CloseHandle(file);
  // A hidden settings file stays hidden.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (ok && old_attributes != INVALID_FILE_ATTRIBUTES && (old_attributes & kKept) != 0) {
    SetFileAttributesW(temporary.c_str(), old_attributes & kKept);
  }
  if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileW(temporary.c_str());
    return Failed(why, "not written", error);
  }
  return true;
}

}  // namespace corvane::platform::win32
