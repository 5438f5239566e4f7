#include "platform/posix/posix_profile_store.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

namespace corvane::platform {

namespace {

// Closes a descriptor when the holder goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now, reporting whether the close succeeded (a delayed write error shows up here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
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

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Creates folder and its missing parents, private to the user as per-user settings folders are.
bool MakeFolders(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  if (errno != ENOENT) return false;
  const std::string parent = FolderOf(folder);
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool Fail(const std::string& path, const char* what) {
  std::cerr << "corvane: " << path << ": " << what << ": " << std::strerror(errno) << '\n';
  return false;
}

}  // namespace

ProfileFile PosixProfileStore::Load(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? ProfileFile::State::kMissing : ProfileFile::State::kUnreadable, {}};
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return {ProfileFile::State::kUnreadable, {}};
  }
  ProfileFile file{ProfileFile::State::kRead, {}};
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(fd.get(), chunk, sizeof(chunk));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return {ProfileFile::State::kUnreadable, {}};
    }
    file.bytes.append(chunk, static_cast<std::size_t>(got));
  }
  return file;
}

bool PosixProfileStore::Replace(const std::string& path, const std::string& bytes) {
  const std::string folder = FolderOf(path);
  if (!MakeFolders(folder)) return Fail(folder, "cannot create the folder");

  struct stat old_info {};
  const bool had_file = ::stat(path.c_str(), &old_info) == 0;
  if (had_file && !S_ISREG(old_info.st_mode)) {
    errno = EISDIR;
    return Fail(path, "not replaced, it is not a regular file");
  }
  const mode_t mode = had_file ? (old_info.st_mode & 07777) : 0666;

  // The process id keeps two running copies apart; a leftover of a crashed run is removed first.
  const std::string temporary = path + ".tmp-" + std::to_string(::getpid());
  ::unlink(temporary.c_str());
  FileDescriptor fd(
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (fd.get() < 0) return Fail(temporary, "cannot create");

  bool ok = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
  // The umask applied at creation must not narrow an existing file's permissions.
  if (ok && had_file) ok = ::fchmod(fd.get(), mode) == 0;
  ok = fd.Close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return Fail(path, "not written");
  }

  // Makes the rename itself durable; the new content is already in place either way.
  FileDescriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder_fd.get() >= 0) ::fsync(folder_fd.get());
  return true;
}

}  // namespace corvane::platform
