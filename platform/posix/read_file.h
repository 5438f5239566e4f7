#pragma once

#include <string>

namespace corvane::platform {

enum class ReadFileResult { kRead, kMissing, kUnreadable };

// Reads the whole regular file at path into *bytes. Opening never blocks: a FIFO, a device, a
// socket or a folder is kUnreadable at once, as a file without read permission is, so no path the
// user controls can stall the program before it has shown anything.
ReadFileResult ReadRegularFile(const std::string& path, std::string* bytes);

}  // namespace corvane::platform
