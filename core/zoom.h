#pragma once

#include <cstdint>

#include "os/window.h"

// The caption-zoom animation the settings dialog opens and closes with.
namespace corvane {

// The screen point (pixels) the dialog grows out of and shrinks back into; the dialog sets it
// from the pointer when it loads. 0, 0 at program start.
extern std::int16_t Zoom_X;
extern std::int16_t Zoom_Y;

// Animates from the zoom point to the window's outer rectangle; returns when it has finished.
void ZoomOpen(platform::HWND window);
// Animates from the window's outer rectangle back to the zoom point as it is now.
void ZoomClose(platform::HWND window);

}  // namespace corvane
