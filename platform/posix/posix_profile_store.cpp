#include "platform/posix/posix_profile_store.h"

#include <errno.h>
#include <sys/stat.h>

#include <cstring>

#include "os/warn.h"
#include "platform/posix/read_file.h"
#include "platform/posix/replace_file.h"

namespace corvane::platform {

namespace {

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
  Warn("%s: %s: %s", path.c_str(), what, std::strerror(errno));
  return false;
}

}  // namespace

ProfileFile PosixProfileStore::Load(const std::string& path) {
  ProfileFile file{ProfileFile::State::kRead, {}};
  switch (ReadRegularFile(path, &file.bytes)) {
    case ReadFileResult::kRead:
      return file;
    case ReadFileResult::kMissing:
      return {ProfileFile::State::kMissing, {}};
    case ReadFileResult::kUnreadable:
      break;
  }
  return {ProfileFile::State::kUnreadable, {}};
}

bool PosixProfileStore::Replace(const std::string& path, const std::string& bytes) {
  const std::string folder = FolderOf(path);
  if (!MakeFolders(folder)) return Fail(folder, "cannot create the folder");

  const char* failed_step = nullptr;
  if (ReplaceFile(path, bytes, &failed_step)) return true;
  // A write through a link fails at the file the link leads to, which the message must name for
  // the user to find it.
  const int error = errno;
  std::string target;
  const bool linked = FollowLinks(path, &target) && target != path;
  errno = error;
  return Fail(linked ? path + " (a link to " + target + ")" : path, failed_step);
}

}  // namespace corvane::platform
