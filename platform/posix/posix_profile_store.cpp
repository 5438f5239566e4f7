#include "platform/posix/posix_profile_store.h"

#include <errno.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "os/warn.h"
#include "platform/posix/read_file.h"
#include "platform/posix/replace_file.h"

namespace corvane::platform {

namespace {

// Creates folder and its missing parents, private to the user as per-user settings folders are.
bool MakeFolders(const std::filesystem::path& folder, std::error_code& error) {
  // Only the folders made here become private; those that already exist keep their permissions.
  std::filesystem::path existing = folder;
  while (!existing.empty() && !std::filesystem::exists(existing, error)) {
    existing = existing.parent_path();
  }
  if (!std::filesystem::create_directories(folder, error)) return !error;
  for (std::filesystem::path made = folder; made != existing; made = made.parent_path()) {
    std::filesystem::permissions(made, std::filesystem::perms::owner_all, error);
    if (error) return false;
  }
  return true;
}

bool Fail(const std::string& path, const char* what, const std::string& why) {
  Warn("%s: %s: %s", path.c_str(), what, why.c_str());
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
  // A bare file name lives in the working folder, which exists already.
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty() && !MakeFolders(folder, error)) {
    return Fail(folder.string(), "cannot create the folder", error.message());
  }

  const char* failed_step = nullptr;
  if (ReplaceFile(path, bytes, &failed_step)) return true;
  // A write through a link fails at the file the link leads to, which the message must name for
  // the user to find it.
  const int failure = errno;
  std::string target;
  const bool linked = FollowLinks(path, &target) && target != path;
  return Fail(linked ? path + " (a link to " + target + ")" : path, failed_step,
              std::strerror(failure));
}

}  // namespace corvane::platform
