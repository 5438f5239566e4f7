#include "platform/win32/runtime.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>  // These need the types <windows.h> declares.
#include <shlobj.h>
// clang-format on

#include "platform/win32/wide_text.h"

namespace corvane::platform::win32 {

namespace {

constexpr const char* kSettingsFileName = "Corvane.ini";

std::string ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // Cut off: a long path.
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return ".";
  // The root keeps its separator ("C:\"), as the seam asks.
  const bool root = slash > 0 && path[slash - 1] == L':';
  path.resize(root ? slash + 1 : slash);
  return Narrow(path);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder.ends_with('\\') || folder.ends_with('/') ? folder + name : folder + '\\' + name;
}

// Whether a file can be made in folder, tried by making one, which the system deletes as soon as
// it is closed. The read-only attribute of a folder does not stop writes on Windows, and its
// access rules are easier asked by trying than read.
bool IsWritableFolder(const std::string& folder) {
  const auto wide = WidenExactly(folder);
  if (!wide) return false;
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  const std::wstring probe =
      *WidenExactly(JoinPath(folder, ".corvane-probe-" + std::to_string(GetCurrentProcessId())));
  const HANDLE file = CreateFileW(
      probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// The user's roaming application data folder; empty when the system names none.
std::string RoamingAppDataFolder() {
  wchar_t* known = nullptr;
  std::string folder;
  if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &known) == S_OK) {
    folder = Narrow(known);
  }
  CoTaskMemFree(known);
  if (folder.empty()) {
    wchar_t value[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", value, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folder = Narrow(std::wstring_view(value, length));
  }
  return folder;
}

}  // namespace

Win32Runtime Win32Runtime::FromProcess() {
  return Win32Runtime(ArgumentTextOf(GetCommandLineW()), ExecutableFolder());
}

std::string Win32Runtime::ArgumentTextOf(std::wstring_view command_line) {
  // An empty line would give the running program's own path as its first argument.
  if (command_line.empty()) return {};
  const std::wstring line(command_line);
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(line.c_str(), &count);
  if (arguments == nullptr) return {};
  std::string text;
  for (int i = 1; i < count; ++i) {
    if (i > 1) text += ' ';
    text += Narrow(arguments[i]);
  }
  LocalFree(arguments);
  return text;
}

Win32Runtime::Win32Runtime(std::string argument_text, std::string program_folder)
    : argument_text_(std::move(argument_text)), program_folder_(std::move(program_folder)) {}

std::string Win32Runtime::EnvironmentValue(const std::string& name) {
  const auto wide_name = WidenExactly(name);
  if (!wide_name || name.empty()) return {};
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(wide_name->c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return {};
    if (length < value.size()) {
      value.resize(length);
      return Narrow(value);
    }
    value.resize(length);  // Too small: length is the size needed, its terminator included.
  }
}

std::string Win32Runtime::SettingsFilePath() {
  if (!settings_file_path_) {
    std::string path = JoinPath(program_folder_, kSettingsFileName);
    if (!IsWritableFolder(program_folder_)) {
      const std::string user = RoamingAppDataFolder();
      // Without any such folder the file stays beside the program: read-only, but still found.
      if (!user.empty()) path = JoinPath(JoinPath(user, "Corvane"), kSettingsFileName);
    }
    settings_file_path_ = path;
  }
  return *settings_file_path_;
}

}  // namespace corvane::platform::win32
