#include "os/readable_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string_view>
#include <utility>

#include "platform/win32/open_file.h"

namespace corvane::platform {

ReadableFile::ReadableFile(const std::string& path) {
  win32::OpenProblem problem = win32::OpenProblem::kMissing;
  const HANDLE file = win32::OpenRegularFile(path, &problem);
  if (file == nullptr) {
    problem_ = problem == win32::OpenProblem::kMissing ? Problem::kMissing : Problem::kNotRegular;
    return;
  }
  LARGE_INTEGER size{};
  // The descriptor is the C library's, over the system's handle, for libraries that read by
  // descriptor; closing it closes the handle.
  const int descriptor = GetFileSizeEx(file, &size)
                             ? _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY)
                             : -1;
  if (descriptor < 0) {
    CloseHandle(file);
    problem_ = Problem::kNotRegular;
    return;
  }
  descriptor_ = descriptor;
  problem_ = Problem::kNone;
  size_ = size.QuadPart;
}

ReadableFile::~ReadableFile() {
  if (descriptor_ >= 0) _close(descriptor_);
}

ReadableFile::ReadableFile(ReadableFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      problem_(other.problem_),
      size_(other.size_) {}

ReadableFile& ReadableFile::operator=(ReadableFile&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) _close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    problem_ = other.problem_;
    size_ = other.size_;
  }
  return *this;
}

std::size_t ReadableFile::ReadAt(std::int64_t offset, void* buffer, std::size_t size) const {
  const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor_));
  if (file == INVALID_HANDLE_VALUE) return 0;
  // A read at an offset is safe beside other threads' reads at theirs; unlike the POSIX one it
  // also moves the descriptor's position, which a library reading by descriptor sets before it
  // reads anyway.
  std::size_t done = 0;
  while (done < size) {
    const std::int64_t at = offset + static_cast<std::int64_t>(done);
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    const std::size_t left = size - done;
    const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
    DWORD read = 0;
    if (!ReadFile(file, static_cast<char*>(buffer) + done, chunk, &read, &where) || read == 0) {
      break;
    }
    done += read;
  }
  return done;
}

bool IsBlockDevice(const std::string& path) {
  // The system's block devices with a name of their own are its drives: "D:", "D:\" or "\\.\D:".
  std::string_view name = path;
  if (name.starts_with("\\\\.\\")) name.remove_prefix(4);
  if (name.size() == 3 && name[2] == '\\') name.remove_suffix(1);
  const char letter = static_cast<char>(name.empty() ? 0 : name[0] | 0x20);
  if (name.size() != 2 || name[1] != ':' || letter < 'a' || letter > 'z') return false;
  const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
  const UINT type = GetDriveTypeW(root);
  return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
}

}  // namespace corvane::platform
