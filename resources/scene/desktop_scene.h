#pragma once

#include "gfx/font.h"
#include "gfx/surface.h"
#include "os/font_loader.h"

namespace corvane {

// Paints a made-up desktop over every pixel of the surface: a wallpaper, desktop icons, four
// overlapping application windows (a text document, a chart, a terminal and a photograph) and a
// task bar, with text in Japanese and Latin through `fonts`. It is what the preview picture shows
// and what the demonstration puts on an empty screen for the saver to capture.
//
// The layout is designed for 1280 x 1024 and stretched to any size. The result depends only on the
// size and the fonts: the same call paints the same bytes every time.
void DrawDesktopScene(gfx::Surface& surface, gfx::FontLoader& fonts);

}  // namespace corvane
