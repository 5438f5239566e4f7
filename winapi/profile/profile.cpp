#include <iostream>
#include <optional>

#include "os/code_page.h"
#include "os/profile_store.h"
#include "os/service.h"
#include "os/warn.h"
#include "winapi/kernel32.h"
#include "winapi/profile/ini_text.h"

namespace corvane::platform {

namespace {

std::string_view AsCString(std::string_view text) { return text.substr(0, text.find('\0')); }

// The longest start of bytes that fits limit bytes without splitting a double-byte character.
std::string_view CutToFit(std::string_view bytes, std::size_t limit) {
  std::size_t length = 0;
  while (length < bytes.size()) {
    const std::size_t width = IsProfileLeadByte(bytes[length]) ? 2 : 1;
    if (length + width > limit) break;
    length += width;
  }
  return bytes.substr(0, length);
}

std::optional<std::string> NameInFile(std::string_view name) {
  return ToProfileCodePage(TrimProfileBlanks(AsCString(name)));
}

}  // namespace

DWORD GetPrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                               std::string_view default_value, std::string& returned, DWORD size,
                               std::string_view file_name) {
  if (size == 0) return 0;

  std::string_view fallback = AsCString(default_value);
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  std::optional<std::string> bytes = ToProfileCodePage(fallback);

  const std::optional<std::string> section = NameInFile(app_name);
  const std::optional<std::string> key = NameInFile(key_name);
  const std::string path(AsCString(file_name));
  const ProfileFile file = Service<ProfileStore>::Get().Load(path);
  if (section && key && file.state == ProfileFile::State::kRead) {
    if (std::optional<std::string> stored = IniText(file.bytes).Find(*section, *key)) {
      if (FromProfileCodePage(*stored)) {
        bytes = std::move(stored);
      } else {
        Warn("%s: the value of %s is not valid code page 932 text; using the default", path.c_str(),
             std::string(AsCString(key_name)).c_str());
      }
    }
  }

  // The default comes from the program itself and always converts; an empty text if not.
  if (!bytes) bytes.emplace();
  const std::string_view fitted = CutToFit(*bytes, size - 1);
  returned = FromProfileCodePage(fitted).value_or(std::string());
  return static_cast<DWORD>(fitted.size());
}

BOOL WritePrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                                std::string_view value, std::string_view file_name) {
  const std::string path(AsCString(file_name));
  const std::optional<std::string> section = NameInFile(app_name);
  const std::optional<std::string> key = NameInFile(key_name);
  const std::optional<std::string> stored = ToProfileCodePage(AsCString(value));
  if (!section || !key || !stored) {
    Warn("%s: %s not written, its section, name or value has text that code page 932 cannot hold",
         path.c_str(), std::string(AsCString(key_name)).c_str());
    return 0;
  }

  ProfileStore& store = Service<ProfileStore>::Get();
  const ProfileFile file = store.Load(path);
  if (file.state == ProfileFile::State::kUnreadable) {
    Warn("%s: cannot be read, so it is not rewritten", path.c_str());
    return 0;
  }
  IniText ini(file.bytes);
  if (!ini.Set(*section, *key, *stored)) {
    Warn("%s: not written, %s cannot be stored in a profile line", path.c_str(),
         std::string(AsCString(key_name)).c_str());
    return 0;
  }
  return store.Replace(path, ini.bytes()) ? 1 : 0;
}

}  // namespace corvane::platform
