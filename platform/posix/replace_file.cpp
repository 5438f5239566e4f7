#include "platform/posix/replace_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/posix/file_descriptor.h"

namespace corvane::platform {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool Failed(const char** failed_step, const char* step) {
  if (failed_step != nullptr) *failed_step = step;
  return false;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes, const char** failed_step) {
  struct stat old_info {};
  const bool had_file = ::stat(path.c_str(), &old_info) == 0;
  if (had_file && !S_ISREG(old_info.st_mode)) {
    errno = EISDIR;
    return Failed(failed_step, "not replaced, it is not a regular file");
  }
  const mode_t mode = had_file ? (old_info.st_mode & 07777) : 0666;

  // The process id keeps two running copies apart; a leftover of a crashed run is removed first.
  const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
  ::unlink(temporary.c_str());
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (fd.get() < 0) return Failed(failed_step, "cannot create its temporary file");

  bool ok = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  // The umask applied at creation must not narrow an existing file's permissions.
  if (ok && had_file) ok = ::fchmod(fd.get(), mode) == 0;
  ok = fd.Close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return Failed(failed_step, "not written");
  }

  // Makes the rename itself durable; the new content is already in place either way.
  std::string folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  FileDescriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder_fd.get() >= 0) ::fsync(folder_fd.get());
  return true;
}

}  // namespace corvane::platform
