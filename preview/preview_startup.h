#pragma once

#include <cstdint>
#include <optional>

#include "os/window.h"
#include "preview/corvane_r.h"

namespace corvane {

// A length in twips as the preview keeps it: the nearest whole number, halves to the even one, or
// nothing when it does not fit 16 bits (a pane wider than 2184 pixels at 15 twips a pixel).
std::optional<std::int16_t> PreviewTwips(double twips);

// Puts form inside the host's window at (0, 0) with the host's size, shows it, and returns. Each
// step is guarded: one that fails is skipped. When form cannot become a child of the host (no
// such window, or 0), there is no pane to show the picture in and nothing whose end would end
// the preview, so form is unloaded again instead of being shown.
void StartPreview(Corvane_R& form, platform::HWND host);

}  // namespace corvane
