#include "core/zoom.h"

#include "winapi/user32.h"

namespace corvane {

std::int16_t Zoom_X = 0;
std::int16_t Zoom_Y = 0;

namespace {
platform::Rect PointRect() { return platform::Rect{Zoom_X, Zoom_Y, Zoom_X, Zoom_Y}; }

// A window that cannot be read leaves its rectangle at zero: the animation then runs between
// the point and the screen's top-left corner.
platform::Rect WindowRect(platform::HWND window) {
  platform::Rect rect{};
  platform::GetWindowRect(window, &rect);
  return rect;
}
}  // namespace

void ZoomOpen(platform::HWND window) {
  const platform::Rect from = PointRect();
  const platform::Rect to = WindowRect(window);
  platform::DrawAnimatedRects(window, platform::kIdaniCaption, &from, &to);
}

void ZoomClose(platform::HWND window) {
  const platform::Rect to = PointRect();
  const platform::Rect from = WindowRect(window);
  platform::DrawAnimatedRects(window, platform::kIdaniCaption, &from, &to);
}

}  // namespace corvane
