#include "resources/preview_picture.h"

// Compiled from resources/preview.jpg by the build.
extern const std::span<const unsigned char> kCorvanePreviewJpeg;

namespace corvane {

std::span<const unsigned char> PreviewPicture() { return kCorvanePreviewJpeg; }

}  // namespace corvane
