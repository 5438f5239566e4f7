#include "toolkit/scale.h"

#include <cmath>

#include "winapi/user32.h"

namespace corvane::platform {

namespace {
int Round(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

int ToPixelsX(double value, ScaleMode mode) {
  return mode == ScaleMode::kTwips ? Round(value / TwipsPerPixelX()) : Round(value);
}

int ToPixelsY(double value, ScaleMode mode) {
  return mode == ScaleMode::kTwips ? Round(value / TwipsPerPixelY()) : Round(value);
}

double FromPixelsX(int pixels, ScaleMode mode) {
  return mode == ScaleMode::kTwips ? pixels * static_cast<double>(TwipsPerPixelX()) : pixels;
}

double FromPixelsY(int pixels, ScaleMode mode) {
  return mode == ScaleMode::kTwips ? pixels * static_cast<double>(TwipsPerPixelY()) : pixels;
}

}  // namespace corvane::platform
