#include "platform/posix/replace_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

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

// The number of links the kernel follows in one path name before it reports ELOOP.
constexpr int kMaxLinks = 40;

}  // namespace

bool FollowLinks(const std::string& path, std::string* target) {
  std::string at = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat info {};
    // Whatever is not a link ends the chain, a missing name included; what cannot be looked at is
    // left for the write to find.
    if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      *target = std::move(at);
      return true;
    }
    std::error_code error;
    std::filesystem::path next = std::filesystem::read_symlink(at, error);
    if (error) {
      errno = error.value();
      return false;
    }
    // A relative link is read from the folder of the link that holds it.
    if (next.is_relative()) next = std::filesystem::path(at).parent_path() / next;
    at = next.string();
  }
  errno = ELOOP;
  return false;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, const char** failed_step) {
  // Replacing a link by a file would cut the tie to the file it stands for, which keeps the old
  // content: the write goes to that file instead, and the rename stays within its folder.
  std::string target;
  if (!FollowLinks(path, &target)) {
    return Failed(failed_step, "not replaced, its links cannot be followed");
  }
  struct stat old_info {};
  const bool had_file = ::stat(target.c_str(), &old_info) == 0;
  if (had_file && !S_ISREG(old_info.st_mode)) {
    errno = EISDIR;
    return Failed(failed_step, "not replaced, it is not a regular file");
  }
  const mode_t mode = had_file ? (old_info.st_mode & 07777) : 0666;

  // The process id keeps two running copies apart; a leftover of a crashed run is removed first.
  const std::string temporary = target + ".tmp-" + std::to_string(::getpid());
  ::unlink(temporary.c_str());
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (fd.get() < 0) return Failed(failed_step, "cannot create its temporary file");

  bool ok = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  // The umask applied at creation must not narrow an existing file's permissions.
  if (ok && had_file) ok = ::fchmod(fd.get(), mode) == 0;
  ok = fd.Close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return Failed(failed_step, "not written");
  }

  // Makes the rename itself durable; the new content is already in place either way.
  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (folder.empty()) folder = ".";
  FileDescriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder_fd.get() >= 0) ::fsync(folder_fd.get());
  return true;
}

}  // namespace corvane::platform
