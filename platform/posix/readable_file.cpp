#include "os/readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace corvane::platform {

ReadableFile::ReadableFile(const std::string& path) {
  // O_NONBLOCK keeps the open itself from waiting on a FIFO or a device; the type is then taken
  // from what was opened, not from an earlier look at the path that could since have changed.
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) {
    problem_ = errno == ENOENT || errno == ENOTDIR ? Problem::kMissing : Problem::kNotRegular;
    return;
  }
  struct stat info {};
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(descriptor);
    problem_ = Problem::kNotRegular;
    return;
  }
  // A regular file never blocks; plain blocking reads are what the decoding libraries expect.
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  descriptor_ = descriptor;
  problem_ = Problem::kNone;
  size_ = info.st_size;
}

ReadableFile::~ReadableFile() {
  if (descriptor_ >= 0) close(descriptor_);
}

ReadableFile::ReadableFile(ReadableFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      problem_(other.problem_),
      size_(other.size_) {}

ReadableFile& ReadableFile::operator=(ReadableFile&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    problem_ = other.problem_;
    size_ = other.size_;
  }
  return *this;
}

std::size_t ReadableFile::ReadAt(std::int64_t offset, void* buffer, std::size_t size) const {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t read = pread(descriptor_, static_cast<char*>(buffer) + done, size - done,
                               static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) break;
    done += static_cast<std::size_t>(read);
  }
  return done;
}

bool IsBlockDevice(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
}

}  // namespace corvane::platform
