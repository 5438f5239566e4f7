#pragma once

#include <string>

namespace corvane::platform::win32 {

enum class OpenProblem { kNone, kMissing, kNotRegular };

// Opens the regular file at a UTF-8 path for reading, shared with readers, writers and a rename,
// never waiting: a folder, a pipe or a device is kNotRegular at once, as a file the user may not
// read is. Returns the system's handle (a HANDLE), or null with *problem saying why.
void* OpenRegularFile(const std::string& path, OpenProblem* problem);

}  // namespace corvane::platform::win32
