#include "platform/x11/presenter.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/x11/pixel_format.h"

namespace corvane::platform::x11 {

Presenter::Presenter(X11Display& display) : display_(display) {
  use_shm_ = XShmQueryExtension(display_.dpy()) == True;
}

Presenter::~Presenter() {
  ReleaseSharedImage();
  if (gc_ != nullptr) XFreeGC(display_.dpy(), gc_);
}

GC Presenter::GcFor(Window window) {
  // One GC serves every window: they all share the screen's default depth.
  if (gc_ == nullptr) gc_ = XCreateGC(display_.dpy(), window, 0, nullptr);
  return gc_;
}

void Presenter::ReleaseSharedImage() {
  if (shm_image_ == nullptr) return;
  XShmDetach(display_.dpy(), &shm_info_);
  XSync(display_.dpy(), False);
  XDestroyImage(shm_image_);
  shmdt(shm_info_.shmaddr);
  shm_image_ = nullptr;
}

bool Presenter::EnsureSharedImage(int width, int height) {
  if (shm_image_ != nullptr && shm_image_->width >= width && shm_image_->height >= height) {
    return true;
  }
  const int new_width = std::max(width, shm_image_ ? shm_image_->width : 0);
  const int new_height = std::max(height, shm_image_ ? shm_image_->height : 0);
  ReleaseSharedImage();
  Display* dpy = display_.dpy();
  XImage* image = XShmCreateImage(dpy, display_.visual(), display_.depth(), ZPixmap, nullptr,
                                  &shm_info_, new_width, new_height);
  if (image == nullptr) return false;
  shm_info_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * new_height,
                           IPC_CREAT | 0600);
  if (shm_info_.shmid < 0) {
    XDestroyImage(image);
    return false;
  }
  shm_info_.shmaddr = image->data = static_cast<char*>(shmat(shm_info_.shmid, nullptr, 0));
  shm_info_.readOnly = False;
  bool attached = false;
  if (shm_info_.shmaddr != reinterpret_cast<char*>(-1)) {
    ErrorTrap trap(dpy);
    XShmAttach(dpy, &shm_info_);
    attached = !trap.Failed();
  }
  // Marked for removal now, so the segment goes away with the last user even after a crash.
  shmctl(shm_info_.shmid, IPC_RMID, nullptr);
  if (!attached) {
    if (shm_info_.shmaddr != reinterpret_cast<char*>(-1)) shmdt(shm_info_.shmaddr);
    image->data = nullptr;
    XDestroyImage(image);
    return false;
  }
  shm_image_ = image;
  return true;
}

void Presenter::Present(Window window, const gfx::Surface& surface, const Rect& area) {
  const Rect clipped{std::max(area.left, 0), std::max(area.top, 0),
                     std::min(area.right, surface.width()),
                     std::min(area.bottom, surface.height())};
  if (clipped.Empty()) return;
  // The segment serves the small areas presented again and again (the saver's strip); a large
  // one, such as a whole screen shown once, goes as a plain image straight from the surface, so
  // the segment never grows to a copy of the screen.
  const bool small =
      static_cast<std::size_t>(clipped.Width()) * clipped.Height() * sizeof(gfx::Pixel) <=
      kLargestSharedArea;
  if (use_shm_ && small && !EnsureSharedImage(clipped.Width(), clipped.Height())) use_shm_ = false;
  if (use_shm_ && small) {
    PutShared(window, surface, clipped);
  } else {
    PutPlain(window, surface, clipped);
  }
}

void Presenter::PutShared(Window window, const gfx::Surface& surface, const Rect& area) {
  const Visual& visual = *display_.visual();
  const bool direct = MatchesSurfaceLayout(*shm_image_, visual);
  for (int y = 0; y < area.Height(); ++y) {
    const gfx::Pixel* src = surface.Row(area.top + y) + area.left;
    if (direct) {
      std::memcpy(shm_image_->data + static_cast<size_t>(y) * shm_image_->bytes_per_line, src,
                  static_cast<size_t>(area.Width()) * sizeof(gfx::Pixel));
    } else {
      for (int x = 0; x < area.Width(); ++x) XPutPixel(shm_image_, x, y, PixelToX(src[x], visual));
    }
  }
  XShmPutImage(display_.dpy(), window, GcFor(window), shm_image_, 0, 0, area.left, area.top,
               area.Width(), area.Height(), False);
  // The server reads the segment after the request returns; the next frame may only overwrite it
  // once this one has been taken.
  XSync(display_.dpy(), False);
}

void Presenter::PutPlain(Window window, const gfx::Surface& surface, const Rect& area) {
  Display* dpy = display_.dpy();
  const Visual& visual = *display_.visual();
  // First try an image straight over the surface's memory: no copy on the common visual.
  XImage* image = XCreateImage(dpy, display_.visual(), display_.depth(), ZPixmap, 0,
                               const_cast<char*>(reinterpret_cast<const char*>(surface.Row(0))),
                               surface.width(), surface.height(), 32, surface.pitch());
  if (image != nullptr && MatchesSurfaceLayout(*image, visual)) {
    XPutImage(dpy, window, GcFor(window), image, area.left, area.top, area.left, area.top,
              area.Width(), area.Height());
    image->data = nullptr;
    XDestroyImage(image);
    return;
  }
  if (image != nullptr) {
    image->data = nullptr;
    XDestroyImage(image);
  }
  // Any other layout: convert the area into an image of the server's format.
  image = XCreateImage(dpy, display_.visual(), display_.depth(), ZPixmap, 0, nullptr, area.Width(),
                       area.Height(), 32, 0);
  if (image == nullptr) return;
  std::vector<char> data(static_cast<size_t>(image->bytes_per_line) * area.Height());
  image->data = data.data();
  for (int y = 0; y < area.Height(); ++y) {
    const gfx::Pixel* src = surface.Row(area.top + y) + area.left;
    for (int x = 0; x < area.Width(); ++x) XPutPixel(image, x, y, PixelToX(src[x], visual));
  }
  XPutImage(dpy, window, GcFor(window), image, 0, 0, area.left, area.top, area.Width(),
            area.Height());
  image->data = nullptr;
  XDestroyImage(image);
}

}  // namespace corvane::platform::x11
