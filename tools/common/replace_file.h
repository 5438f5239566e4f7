#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace corvane::tools {

// Writes bytes to path through a temporary file beside it and a rename, so that a reader never
// sees half a file and a failed run leaves the old one. Returns whether the file was replaced.
bool ReplaceFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace corvane::tools
