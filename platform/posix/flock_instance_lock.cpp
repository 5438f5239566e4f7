#include "platform/posix/flock_instance_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace corvane::platform {

namespace {

// A folder only this user can write to, or empty: a lock file where others may write could be
// replaced, or taken first, by them.
bool IsPrivateFolder(const std::string& folder) {
  struct stat info {};
  return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) return runtime;
  const std::string own = "/tmp/corvane-" + std::to_string(::getuid());
  ::mkdir(own.c_str(), 0700);
  return IsPrivateFolder(own) ? own : std::string();
}

// The display name as one file name: a "/" (a socket path) or any other unusual byte becomes "_".
std::string FileNameFor(const std::string& display_name) {
  std::string name = "Corvane-";
  for (const char c : display_name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == ':' || c == '.' || c == '-';
    name += plain ? c : '_';
  }
  return name + ".lock";
}

}  // namespace

FlockInstanceLock::FlockInstanceLock(std::string display_name)
    : display_name_(std::move(display_name)) {}

FlockInstanceLock::~FlockInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool FlockInstanceLock::Claim() {
  if (fd_ >= 0 || held_elsewhere_) return !held_elsewhere_;
  const std::string folder = LockFolder();
  if (folder.empty()) return true;
  const std::string path = folder + "/" + FileNameFor(display_name_);
  // Never through a link, never blocking, and never inherited by the programs the settings
  // dialog starts, which would otherwise hold the claim after this process has ended.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return true;
  }
  int result;
  while ((result = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (result == 0) {
    fd_ = fd;
    return true;
  }
  held_elsewhere_ = errno == EWOULDBLOCK;
  ::close(fd);
  return !held_elsewhere_;
}

}  // namespace corvane::platform
