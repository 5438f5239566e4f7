#include "platform/win32/profile_store.h"

#include <filesystem>
#include <system_error>

#include "os/readable_file.h"
#include "os/warn.h"
#include "platform/win32/replace_file.h"
#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

ProfileFile Win32ProfileStore::Load(const std::string& path) {
  const ReadableFile file(path);
  if (!file.IsOpen()) {
    const bool missing = file.Why() == ReadableFile::Problem::kMissing;
    return {missing ? ProfileFile::State::kMissing : ProfileFile::State::kUnreadable, {}};
  }
  // The size is where reading starts to ask for more; a file that grew meanwhile is read whole.
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  std::size_t got = file.ReadAt(0, bytes.data(), bytes.size());
  if (got < bytes.size()) return {ProfileFile::State::kUnreadable, {}};
  char chunk[4096];
  while (const std::size_t more =
             file.ReadAt(static_cast<std::int64_t>(got), chunk, sizeof chunk)) {
    bytes.append(chunk, more);
    got += more;
  }
  return {ProfileFile::State::kRead, std::move(bytes)};
}

bool Win32ProfileStore::Replace(const std::string& path, const std::string& bytes) {
  const auto wide = WidenExactly(path);
  if (!wide) {
    Warn("%s: not replaced: its name is not UTF-8", path.c_str());
    return false;
  }
  // A bare file name lives in the working folder, which exists already.
  const std::filesystem::path folder = std::filesystem::path(*wide).parent_path();
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
    std::filesystem::create_directories(folder, error);
    if (error) {
      const std::string reason = error.category() == std::system_category()
                                     ? ErrorText(static_cast<unsigned long>(error.value()))
                                     : error.message();
      Warn("%s: cannot create the folder: %s", Narrow(folder.native()).c_str(), reason.c_str());
      return false;
    }
  }
  std::string why;
  if (ReplaceWhole(path, bytes, &why)) return true;
  Warn("%s: %s", path.c_str(), why.c_str());
  return false;
}

}  // namespace corvane::platform::win32
