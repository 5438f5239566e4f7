#include "platform/posix/read_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/file_descriptor.h"

namespace corvane::platform {

ReadFileResult ReadRegularFile(const std::string& path, std::string* bytes) {
  // O_NONBLOCK makes opening a FIFO return at once instead of waiting for a writer; a regular
  // file reads the same with it.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return missing ? ReadFileResult::kMissing : ReadFileResult::kUnreadable;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return ReadFileResult::kUnreadable;
  std::string content;
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(fd.get(), chunk, sizeof(chunk));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return ReadFileResult::kUnreadable;
    }
    content.append(chunk, static_cast<std::size_t>(got));
  }
  *bytes = std::move(content);
  return ReadFileResult::kRead;
}

}  // namespace corvane::platform
