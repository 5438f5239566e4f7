#pragma once

#include <string>
#include <string_view>

namespace corvane::platform::win32 {

// Writes bytes to the file at a UTF-8 path whole or not at all: into a temporary file beside it,
// flushed to the disk, then moved over it, so that a reader never sees half a file and a failed
// write leaves the old one as it was. A path that names anything but a file is not replaced; a
// link is written through, to the file it leads to. On failure it returns false, and *why says
// which step failed and the system's reason, for the caller's message.
bool ReplaceWhole(const std::string& path, std::string_view bytes, std::string* why);

}  // namespace corvane::platform::win32
