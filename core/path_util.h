#pragma once

#include <string>

namespace corvane {

// Whether path names a regular file that can be opened for reading. One trailing "/" or "\" is
// ignored. Folders, missing files, unreadable files and the empty path all give false, and so do
// pipes and devices: opening those could block or have side effects, and none is a music file or a
// library.
bool FileExists(std::string path);

// The folder part of path: everything before its last "/", ":" or "\", without that separator
// when it is a "/" or "\" (so "C:\a.mp3" gives "C:" and "/music/a.mp3" gives "/music"). A file
// directly in "/" keeps "/" as its folder, since an empty folder would name no place at all.
// A path without any separator gives the empty string.
std::string GetFolder(const std::string& path);

}  // namespace corvane
