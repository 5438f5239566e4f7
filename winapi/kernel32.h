#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "os/dynamic_library.h"
#include "os/service.h"

namespace corvane::platform {

// The profile functions, over the installed ProfileStore. Text is UTF-8 on the program's side and
// code page 932 in the file. Names and values are read as C strings: anything from a NUL on is
// not seen, and section and key names are trimmed of blanks.

// Looks up key in section of file_name. returned receives the value, or default_value (without
// its trailing blanks) when the file, the section or the key is missing, and is cut to fit a
// buffer of size bytes in the file's code page, NUL included; a double-byte character is never cut
// in half. Returns the number of code page bytes the result holds. A size of 0 leaves returned
// untouched and returns 0. A stored value whose bytes are not valid code page 932 reads as the
// default, with a message on stderr, since any guess at it would be a different text.
std::uint32_t GetPrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                                       std::string_view default_value, std::string& returned,
                                       std::uint32_t size, std::string_view file_name);

// Sets key in section of file_name to value, creating the file, the section or the key when
// missing. Returns false, leaving the file as it was, when the write fails, when the existing file
// cannot be read, or when a name or the value has a character that code page 932 cannot hold or a
// line break (a message on stderr says which).
bool WritePrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                                std::string_view value, std::string_view file_name);

// Loading libraries at run time, over the installed dynamic-library service.
inline HMODULE LoadLibraryA(const std::string& path) {
  return Service<DynamicLibraries>::Get().LoadLibraryA(path);
}
inline FARPROC GetProcAddress(HMODULE module, const std::string& name) {
  return Service<DynamicLibraries>::Get().GetProcAddress(module, name);
}
inline bool FreeLibrary(HMODULE module) {
  return Service<DynamicLibraries>::Get().FreeLibrary(module);
}

}  // namespace corvane::platform
