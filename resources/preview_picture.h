#pragma once

#include <span>

namespace corvane {

// The preview picture built into the program: a 152 x 112 baseline JPEG of a desktop with the
// metallic strip across it (resources/preview.jpg, made by make_preview; see resources/README.md).
std::span<const unsigned char> PreviewPicture();

}  // namespace corvane
