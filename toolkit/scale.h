#pragma once

#include "gfx/geometry.h"

namespace corvane::platform {

// The screen as the forms see it: its size in pixels, and how many twips make a pixel (1440 over
// the screen's dots per inch).
gfx::Size ScreenSizePixels();
float TwipsPerPixelX();
float TwipsPerPixelY();

// The unit in which a container measures its controls and its own inner size.
enum class ScaleMode {
  kTwips = 1,  // 1/1440 inch: TwipsPerPixelX/Y twips to a pixel.
  kPixels = 3,
};

// Conversions between a unit and whole screen pixels. Positions and sizes snap to pixels, so a
// value set in twips reads back as the twips of the nearest pixel.
int ToPixelsX(double value, ScaleMode mode);
int ToPixelsY(double value, ScaleMode mode);
double FromPixelsX(int pixels, ScaleMode mode);
double FromPixelsY(int pixels, ScaleMode mode);

}  // namespace corvane::platform
