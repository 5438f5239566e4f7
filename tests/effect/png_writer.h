#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Writes rows of 0x00RRGGBB pixels as an 8-bit RGB PNG, so that a test can leave a picture of what
// it rendered for a person to look at. Returns false when the file cannot be written.
bool WritePng(const std::string& path, const std::uint32_t* pixels, int width, int height,
              int pitch_bytes);

}  // namespace corvane
