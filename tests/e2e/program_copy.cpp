#include "tests/e2e/program_copy.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace corvane::e2e {

namespace fs = std::filesystem;

ProgramCopy::ProgramCopy(const std::string& build_folder, bool with_library)
    : program_(folder_ / "Corvane.scr"), config_(folder_ / "config") {
  fs::copy_file(build_folder + "/Corvane.scr", program_);
  if (with_library) fs::copy_file(build_folder + "/Corvane.dll", folder_ / "Corvane.dll");
  fs::create_directory(config_);
}

FolderWatch::FolderWatch(const std::string& folder) {
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0 || inotify_add_watch(fd_, folder.c_str(), IN_OPEN | IN_CREATE) < 0) {
    throw std::runtime_error("cannot watch " + folder);
  }
}

FolderWatch::~FolderWatch() {
  if (fd_ >= 0) close(fd_);
}

std::vector<std::string> FolderWatch::Take() {
  std::vector<std::string> seen;
  alignas(inotify_event) char buffer[4096];
  while (true) {
    const ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0) {
        seen.push_back(std::string(event->mask & IN_CREATE ? "create " : "open ") + event->name);
      }
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  return seen;
}

}  // namespace corvane::e2e
