#include "platform/x11/capture_service.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

#include "platform/x11/pixel_format.h"

namespace corvane::platform::x11 {

namespace {

// Reads a w x h block of drawable at (x, y) into destination at (dx, dy), which must hold it.
// False, destination unchanged, when the server refuses (a drawable that is gone, or one whose
// pixels cannot be read, as the root under some compositors).
bool ReadInto(X11Display& display, Drawable drawable, int x, int y, int w, int h,
              gfx::Surface& destination, int dx, int dy) {
  Display* dpy = display.dpy();
  XImage* image = nullptr;
  {
    ErrorTrap trap(dpy);
    image = XGetImage(dpy, drawable, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h),
                      AllPlanes, ZPixmap);
    if (trap.Failed() && image != nullptr) {
      XDestroyImage(image);
      image = nullptr;
    }
  }
  if (image == nullptr) return false;
  for (int row = 0; row < h; ++row) {
    CopyRowFromX(*image, row, w, *display.visual(), destination.Row(dy + row) + dx);
  }
  XDestroyImage(image);
  return true;
}

// The pixmap named by the host's _SCREENSAVER_SCREENSHOT property, or 0.
Pixmap HostScreenshot(X11Display& display, Window host) {
  Display* dpy = display.dpy();
  const Atom property = XInternAtom(dpy, "_SCREENSAVER_SCREENSHOT", True);
  if (property == 0) return 0;  // No host has ever stored one on this server.
  ErrorTrap trap(dpy);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Pixmap pixmap = 0;
  if (XGetWindowProperty(dpy, host, property, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                         &after, &data) == Success &&
      type == XA_PIXMAP && format == 32 && count == 1 && data != nullptr) {
    // Format 32 items come as longs, whatever their size on the wire.
    pixmap = static_cast<Pixmap>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data != nullptr) XFree(data);
  return trap.Failed() ? 0 : pixmap;
}

}  // namespace

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

  if (presenter_.ReadThroughSegment(display_.root(), Rect{sx, sy, sx + w, sy + h}, destination, dx,
                                    dy)) {
    return true;
  }
  return ReadInto(display_, display_.root(), sx, sy, w, h, destination, dx, dy);
}

bool X11CaptureService::CaptureHostPicture(HWND host, gfx::Surface& destination) {
  Display* dpy = display_.dpy();
  const Pixmap pixmap = HostScreenshot(display_, host);
  if (pixmap == 0) return false;
  Window root = 0;
  int x = 0, y = 0;
  unsigned pixmap_w = 0, pixmap_h = 0, border = 0, depth = 0;
  XWindowAttributes window{};
  Window child = 0;
  int screen_x = 0, screen_y = 0;
  {
    ErrorTrap trap(dpy);
    const bool known =
        XGetGeometry(dpy, pixmap, &root, &x, &y, &pixmap_w, &pixmap_h, &border, &depth) != 0 &&
        XGetWindowAttributes(dpy, host, &window) != 0 &&
        XTranslateCoordinates(dpy, host, display_.root(), 0, 0, &screen_x, &screen_y, &child) != 0;
    if (trap.Failed() || !known) return false;
  }
  // The picture is read as the screen's pixels are: another depth would need another visual.
  if (static_cast<int>(depth) != display_.depth()) return false;
  // A host may store the picture of its window alone, or of the whole screen; from the latter the
  // window's part is cut at the window's place on the screen.
  const bool whole_screen =
      static_cast<int>(pixmap_w) != window.width || static_cast<int>(pixmap_h) != window.height;
  const int left = whole_screen ? std::max(screen_x, 0) : 0;
  const int top = whole_screen ? std::max(screen_y, 0) : 0;
  const int w = std::min({static_cast<int>(pixmap_w) - left, window.width, destination.width()});
  const int h = std::min({static_cast<int>(pixmap_h) - top, window.height, destination.height()});
  if (w <= 0 || h <= 0) return true;
  return ReadInto(display_, pixmap, left, top, w, h, destination, 0, 0);
}

}  // namespace corvane::platform::x11
