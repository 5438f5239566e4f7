#pragma once

#include <memory>
#include <vector>

#include "gfx/font.h"
#include "platform/fonts/font_candidates.h"

namespace corvane::platform {

// One FreeType library instance, shared by the loader and every font it opened, so a font may
// outlive the loader.
class FreeTypeLibrary;
std::shared_ptr<FreeTypeLibrary> CreateFreeTypeLibrary();

// A font over the candidate files at one pixel size: the first file gives the metrics and most
// glyphs, the others are opened only when a character is missing from the ones before them.
// nullptr when the first file cannot be opened.
std::unique_ptr<gfx::Font> OpenFreeTypeFont(std::shared_ptr<FreeTypeLibrary> library,
                                            std::vector<FontCandidate> candidates, int pixel_size);

}  // namespace corvane::platform
