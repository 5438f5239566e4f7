#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <cstddef>
#include <map>
#include <memory>
#include <optional>

#include "gfx/surface.h"
#include "os/geometry.h"
#include "platform/x11/display.h"

namespace corvane::platform::x11 {

// Copies surfaces to windows. Large images it made itself (CreateImage) live in MIT-SHM segments
// and go to the server with no copy. Other areas go through one segment of its own, grown to the
// largest such area presented so far up to kLargestSharedArea bytes, and larger ones with plain
// XPutImage; plain XPutImage for good when the extension is missing or the server refuses a
// segment (a remote display).
class Presenter {
 public:
  // 4 MiB: a strip of a few hundred columns down a 4K screen.
  static constexpr std::size_t kLargestSharedArea = std::size_t{4} << 20;

  explicit Presenter(X11Display& display);
  ~Presenter();
  Presenter(const Presenter&) = delete;
  Presenter& operator=(const Presenter&) = delete;

  // An image larger than kLargestSharedArea in a segment of its own where the server shares
  // memory in our pixel layout; a plain surface otherwise.
  std::optional<gfx::Surface> CreateImage(int width, int height);
  // Frees the segment of an image CreateImage made; nothing for any other surface.
  void ReleaseImage(const gfx::Surface& image);

  // area is in surface coordinates, which are the window's; it is clipped to the surface.
  void Present(Window window, const gfx::Surface& surface, const Rect& area);

  // Reads the source block of drawable into destination at (dst_x, dst_y), which must hold it,
  // band by band through the segment that presenting uses: nothing crosses the connection, and
  // the server writes the same few pages again and again rather than a screen's worth of fresh
  // ones, each costly at its first touch. False when the server shares no memory with us or
  // refuses a band; the caller then reads the plain way, which writes every pixel again.
  bool ReadThroughSegment(Drawable drawable, const Rect& source, gfx::Surface& destination,
                          int dst_x, int dst_y);

 private:
  // The image keeps a pointer to its segment's description: that lives on the heap, so the pair
  // can move.
  struct SharedImage {
    XImage* image = nullptr;
    std::unique_ptr<XShmSegmentInfo> info = std::make_unique<XShmSegmentInfo>();
  };
  std::optional<SharedImage> MakeShared(int width, int height);
  void Free(SharedImage& shared);
  bool EnsureStripImage(int width, int height);
  void PutShared(Window window, XImage* image, int src_x, int src_y, const Rect& area);
  void CopyIntoStrip(const gfx::Surface& surface, const Rect& area);
  void PutPlain(Window window, const gfx::Surface& surface, const Rect& area);
  GC GcFor(Window window);

  X11Display& display_;
  bool use_shm_ = false;
  // The segment areas of other surfaces are copied into.
  SharedImage strip_;
  // The images CreateImage made, by their first pixel.
  std::map<const gfx::Pixel*, SharedImage> images_;
  GC gc_ = nullptr;
};

}  // namespace corvane::platform::x11
