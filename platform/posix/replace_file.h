#pragma once

#include <string>
#include <string_view>

namespace corvane::platform {

// Writes bytes to path whole or not at all: into a temporary file beside it, flushed to the disk,
// then renamed over it, so that a reader never sees half a file and a failed write leaves the old
// one as it was. An existing file keeps its permissions; a path that names anything but a regular
// file is not replaced. On failure it returns false with errno set, and *failed_step (when given)
// names the step that failed, for the caller's message.
bool ReplaceFile(const std::string& path, std::string_view bytes,
                 const char** failed_step = nullptr);

}  // namespace corvane::platform
