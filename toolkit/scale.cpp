#include "toolkit/scale.h"

#include <cmath>

#include "winapi/gdi32.h"
#include "winapi/user32.h"

namespace corvane::platform {

namespace {
int Round(double value) { return static_cast<int>(std::lround(value)); }

// What a screen that reports no resolution is taken to have.
constexpr int kDefaultDpi = 96;

float TwipsPerPixel(int index) {
  const HWND desktop = GetDesktopWindow();
  const HDC screen = GetDC(desktop);
  const int dpi = GetDeviceCaps(screen, index);
  ReleaseDC(desktop, screen);
  return static_cast<float>(1440.0 / (dpi > 0 ? dpi : kDefaultDpi));
}
}  // namespace

gfx::Size ScreenSizePixels() {
  return {GetSystemMetrics(kSmCxScreen), GetSystemMetrics(kSmCyScreen)};
}

float TwipsPerPixelX() { return TwipsPerPixel(kLogPixelsX); }

float TwipsPerPixelY() { return TwipsPerPixel(kLogPixelsY); }

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
