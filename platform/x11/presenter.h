#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <cstddef>

#include "platform/geometry.h"
#include "platform/gfx/surface.h"
#include "platform/x11/display.h"

namespace corvane::platform::x11 {

// Copies surfaces to windows. Uses one MIT-SHM image, grown to the largest area presented so far
// up to kLargestSharedArea bytes, and plain XPutImage for larger areas, and for good when the
// extension is missing or the server refuses the segment (a remote display).
class Presenter {
 public:
  // 4 MiB: a strip of a few hundred columns down a 4K screen.
  static constexpr std::size_t kLargestSharedArea = std::size_t{4} << 20;

  explicit Presenter(X11Display& display);
  ~Presenter();
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // area is in surface coordinates, which are the window's; it is clipped to the surface.
  void Present(Window window, const gfx::Surface& surface, const Rect& area);

 private:
  bool EnsureSharedImage(int width, int height);
  void ReleaseSharedImage();
  void PutShared(Window window, const gfx::Surface& surface, const Rect& area);
  void PutPlain(Window window, const gfx::Surface& surface, const Rect& area);
  GC GcFor(Window window);

  X11Display& display_;
  bool use_shm_ = false;
  XImage* shm_image_ = nullptr;
  XShmSegmentInfo shm_info_{};
  GC gc_ = nullptr;
};

}  // namespace corvane::platform::x11
