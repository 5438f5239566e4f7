#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "os/dynamic_library.h"
#include "os/service.h"
#include "winapi/windef.h"

namespace corvane::platform {

// The profile functions, over the installed ProfileStore, on every system: the file is code page
// 932 whatever code page the system uses for text, so that a settings file means the same
// everywhere. Text is UTF-8 on the program's side. The result is a string rather than
// Windows' buffer, whose size counts code page 932 bytes (the limit Windows puts on a
// value), which a buffer of UTF-8 of that size could not always hold. Names and values are read
// as C strings: anything from a NUL on is not seen, and section and key names are trimmed of
// blanks.

// Looks up key in section of file_name. returned receives the value, or default_value (without
// its trailing blanks) when the file, the section or the key is missing, and is cut to fit a
// buffer of size bytes in the file's code page, NUL included; a double-byte character is never cut
// in half. Returns the number of code page bytes the result holds. A size of 0 leaves returned
// untouched and returns 0. A stored value whose bytes are not valid code page 932 reads as the
// default, with a message on stderr, since any guess at it would be a different text.
DWORD GetPrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                               std::string_view default_value, std::string& returned, DWORD size,
                               std::string_view file_name);

// Sets key in section of file_name to value, creating the file, the section or the key when
// missing. Returns false, leaving the file as it was, when the write fails, when the existing file
// cannot be read, or when a name or the value has a character that code page 932 cannot hold or a
// line break (a message on stderr says which).
BOOL WritePrivateProfileStringA(std::string_view app_name, std::string_view key_name,
                                std::string_view value, std::string_view file_name);

// Loading libraries at run time, over the installed dynamic-library service.
inline HMODULE LoadLibraryA(const char* path) {
  return path == nullptr ? nullptr : Service<DynamicLibraries>::Get().LoadLibraryA(path);
}
inline FARPROC GetProcAddress(HMODULE module, const char* name) {
  return name == nullptr ? nullptr : Service<DynamicLibraries>::Get().GetProcAddress(module, name);
}
inline BOOL FreeLibrary(HMODULE module) {
  return Service<DynamicLibraries>::Get().FreeLibrary(module) ? 1 : 0;
}

}  // namespace corvane::platform
