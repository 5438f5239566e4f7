#include "platform/x11/capture_service.h"

#include <X11/Xutil.h>

#include <algorithm>

#include "platform/x11/pixel_format.h"

namespace corvane::platform::x11 {

bool X11CaptureService::CaptureScreen(const Rect& source, gfx::Surface& destination, int dst_x,
                                      int dst_y) {
  Display* dpy = display_.dpy();
  const int screen_w = DisplayWidth(dpy, display_.screen());
  const int screen_h = DisplayHeight(dpy, display_.screen());
  // Clip the source to the screen and to the room in the destination, moving both origins alike.
  int sx = source.left;
  int sy = source.top;
  int dx = dst_x;
  int dy = dst_y;
  int w = source.Width();
  int h = source.Height();
  const int skip_x = std::max({0, -sx, -dx});
  const int skip_y = std::max({0, -sy, -dy});
  sx += skip_x;
  dx += skip_x;
  w -= skip_x;
  sy += skip_y;
  dy += skip_y;
  h -= skip_y;
  w = std::min({w, screen_w - sx, destination.width() - dx});
  h = std::min({h, screen_h - sy, destination.height() - dy});
  if (w <= 0 || h <= 0) return true;  // Nothing to copy is not a failure.

  XImage* image = nullptr;
  {
    ErrorTrap trap(dpy);
    image = XGetImage(dpy, display_.root(), sx, sy, static_cast<unsigned>(w),
                      static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (trap.Failed() && image != nullptr) {
      XDestroyImage(image);
      image = nullptr;
    }
  }
  if (image == nullptr) return false;  // The destination stays as it was.
  const Visual& visual = *display_.visual();
  const bool direct = MatchesSurfaceLayout(*image, visual);
  for (int y = 0; y < h; ++y) {
    gfx::Pixel* row = destination.Row(dy + y) + dx;
    if (direct) {
      const auto* src = reinterpret_cast<const gfx::Pixel*>(
          image->data + static_cast<size_t>(y) * image->bytes_per_line);
      // The unused top byte may hold anything the server left there.
      for (int x = 0; x < w; ++x) row[x] = src[x] & 0x00FFFFFF;
    } else {
      for (int x = 0; x < w; ++x) row[x] = PixelFromX(XGetPixel(image, x, y), visual);
    }
  }
  XDestroyImage(image);
  return true;
}

}  // namespace corvane::platform::x11
