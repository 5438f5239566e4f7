#pragma once

#include <string>
#include <string_view>

namespace corvane::platform {

// Writes bytes to path whole or not at all: into a temporary file beside it, flushed to the disk,
// then renamed over it, so that a reader never sees half a file and a failed write leaves the old
// one as it was. An existing file keeps its permissions; a path that names anything but a regular
// file is not replaced. A symbolic link is written through: the file its links lead to is
// replaced, or created when the last link dangles, the same way in that file's own folder, and
// the links stay. On failure it returns false with errno set, and *failed_step (when given) names
// the step that failed, for the caller's message.
bool ReplaceFile(const std::string& path, std::string_view bytes,
                 const char** failed_step = nullptr);

// The file that path names once its chain of symbolic links is followed, each relative link read
// from the folder of the link that holds it: path itself when it is no link, and a path that need
// not exist when the last link dangles. False with errno set when the chain cannot be followed:
// ELOOP when it goes round in a loop or runs longer than the system itself follows.
bool FollowLinks(const std::string& path, std::string* target);

}  // namespace corvane::platform
