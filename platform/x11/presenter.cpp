#include "platform/x11/presenter.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/x11/pixel_format.h"

namespace corvane::platform::x11 {

namespace {

// The bytes a width x height block of surface pixels takes.
std::size_t AreaBytes(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(gfx::Pixel);
}

// The bytes of one band of a screen read: the pages the server writes for the first time are
// this many, and a whole screen takes its size over this many round trips.
constexpr std::size_t kCaptureBand = std::size_t{1} << 20;

// Has the kernel back the pages from first up to end at once, ready for writing. On some virtual
// machines each first touch of a page costs tens of microseconds, and a screen-sized image has
// tens of thousands of pages; asked for together they cost a fraction of that. The content stays
// as it is. A kernel that does not know the request (before Linux 5.14) backs the pages as they
// are first written, as always.
void Populate(const void* first, const void* end) {
#ifdef MADV_POPULATE_WRITE
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  // The page holding first begins with memory of the same mapping (an allocation's header, or
  // the rows above), which being backed does not change.
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(first) / page * page;
  madvise(reinterpret_cast<void*>(start), reinterpret_cast<std::uintptr_t>(end) - start,
          MADV_POPULATE_WRITE);
#else
  (void)first, (void)end;
#endif
}

}  // namespace

Presenter::Presenter(X11Display& display) : display_(display) {
  use_shm_ = XShmQueryExtension(display_.dpy()) == True;
}

Presenter::~Presenter() {
  for (auto& [pixels, shared] : images_) Free(shared);
  Free(strip_);
  if (gc_ != nullptr) XFreeGC(display_.dpy(), gc_);
}

GC Presenter::GcFor(Window window) {
  // One GC serves every window: they all share the screen's default depth.
  if (gc_ == nullptr) gc_ = XCreateGC(display_.dpy(), window, 0, nullptr);
  return gc_;
}

std::optional<Presenter::SharedImage> Presenter::MakeShared(int width, int height) {
  Display* dpy = display_.dpy();
  SharedImage shared;
  XShmSegmentInfo& info = *shared.info;
  XImage* image = XShmCreateImage(dpy, display_.visual(), display_.depth(), ZPixmap, nullptr, &info,
                                  static_cast<unsigned>(width), static_cast<unsigned>(height));
  if (image == nullptr) return std::nullopt;
  info.shmid =
      shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * height, IPC_CREAT | 0600);
  if (info.shmid < 0) {
    XDestroyImage(image);
    return std::nullopt;
  }
  info.shmaddr = image->data = static_cast<char*>(shmat(info.shmid, nullptr, 0));
  info.readOnly = False;
  if (info.shmaddr != reinterpret_cast<char*>(-1)) {
    Populate(info.shmaddr, info.shmaddr + static_cast<size_t>(image->bytes_per_line) * height);
  }
  bool attached = false;
  if (info.shmaddr != reinterpret_cast<char*>(-1)) {
    ErrorTrap trap(dpy);
    XShmAttach(dpy, &info);
    attached = !trap.Failed();
  }
  // Marked for removal now, so the segment goes away with the last user even after a crash.
  shmctl(info.shmid, IPC_RMID, nullptr);
  if (!attached) {
    if (info.shmaddr != reinterpret_cast<char*>(-1)) shmdt(info.shmaddr);
    image->data = nullptr;
    XDestroyImage(image);
    return std::nullopt;
  }
  shared.image = image;
  return shared;
}

void Presenter::Free(SharedImage& shared) {
  if (shared.image == nullptr) return;
  XShmDetach(display_.dpy(), shared.info.get());
  XSync(display_.dpy(), False);
  XDestroyImage(shared.image);
  shmdt(shared.info->shmaddr);
  shared.image = nullptr;
}

std::optional<gfx::Surface> Presenter::CreateImage(int width, int height) {
  const bool large = width > 0 && height > 0 && AreaBytes(width, height) > kLargestSharedArea;
  if (!use_shm_ || !large || width > gfx::Surface::kMaxDimension ||
      height > gfx::Surface::kMaxDimension) {
    return gfx::Surface::Create(width, height);
  }
  std::optional<SharedImage> shared = MakeShared(width, height);
  if (!shared) return gfx::Surface::Create(width, height);
  // A fresh segment is zero: the image starts black, as a created surface does.
  std::optional<gfx::Surface> surface;
  if (MatchesSurfaceLayout(*shared->image, *display_.visual())) {
    surface = gfx::Surface::Wrap(reinterpret_cast<gfx::Pixel*>(shared->image->data), width, height,
                                 shared->image->bytes_per_line);
  }
  if (!surface) {
    Free(*shared);
    return gfx::Surface::Create(width, height);
  }
  images_[surface->Row(0)] = std::move(*shared);
  return surface;
}

void Presenter::ReleaseImage(const gfx::Surface& image) {
  if (image.empty()) return;
  const auto found = images_.find(image.Row(0));
  if (found == images_.end()) return;
  Free(found->second);
  images_.erase(found);
}

bool Presenter::EnsureStripImage(int width, int height) {
  if (strip_.image != nullptr && strip_.image->width >= width && strip_.image->height >= height) {
    return true;
  }
  const int new_width = std::max(width, strip_.image ? strip_.image->width : 0);
  const int new_height = std::max(height, strip_.image ? strip_.image->height : 0);
  Free(strip_);
  std::optional<SharedImage> shared = MakeShared(new_width, new_height);
  if (!shared) return false;
  strip_ = std::move(*shared);
  return true;
}

void Presenter::Present(Window window, const gfx::Surface& surface, const Rect& area) {
  const Rect clipped{std::max(area.left, 0), std::max(area.top, 0),
                     std::min(area.right, surface.width()),
                     std::min(area.bottom, surface.height())};
  if (clipped.Empty()) return;
  if (const auto own = images_.find(surface.Row(0)); own != images_.end()) {
    PutShared(window, own->second.image, clipped.left, clipped.top, clipped);
    return;
  }
  // The strip segment serves the small areas presented again and again; a large one, such as a
  // whole screen shown once, goes as a plain image straight from the surface, so the segment
  // never grows to a copy of the screen.
  const bool small = AreaBytes(clipped.Width(), clipped.Height()) <= kLargestSharedArea;
  if (use_shm_ && small && !EnsureStripImage(clipped.Width(), clipped.Height())) use_shm_ = false;
  if (use_shm_ && small) {
    CopyIntoStrip(surface, clipped);
    PutShared(window, strip_.image, 0, 0, clipped);
  } else {
    PutPlain(window, surface, clipped);
  }
}

bool Presenter::ReadThroughSegment(Drawable drawable, const Rect& source, gfx::Surface& destination,
                                   int dst_x, int dst_y) {
  const int width = source.Width();
  const int height = source.Height();
  if (!use_shm_ || width <= 0 || height <= 0) return false;
  const int band = std::clamp(static_cast<int>(kCaptureBand / AreaBytes(width, 1)), 1, height);
  // A segment of its own, gone at the end: one shaped like a band would make the strip segment
  // grow to the screen's width by the strip's height.
  std::optional<SharedImage> segment = MakeShared(width, band);
  if (!segment) return false;
  Populate(destination.Row(dst_y), destination.Row(dst_y + height - 1) + destination.width());
  Display* dpy = display_.dpy();
  const Visual& visual = *display_.visual();
  bool read = true;
  for (int top = 0; read && top < height; top += band) {
    const int rows = std::min(band, height - top);
    // The last band may be shorter: a header of its size over the segment makes the server fill
    // exactly that many pixels.
    XImage* image = XShmCreateImage(dpy, display_.visual(), display_.depth(), ZPixmap,
                                    segment->image->data, segment->info.get(),
                                    static_cast<unsigned>(width), static_cast<unsigned>(rows));
    if (image == nullptr) {
      read = false;
      break;
    }
    {
      ErrorTrap trap(dpy);
      read = XShmGetImage(dpy, drawable, image, source.left, source.top + top, AllPlanes) == True;
      read = !trap.Failed() && read;
    }
    if (read) {
      for (int row = 0; row < rows; ++row) {
        CopyRowFromX(*image, row, width, visual, destination.Row(dst_y + top + row) + dst_x);
      }
    }
    image->data = nullptr;
    XDestroyImage(image);
  }
  Free(*segment);
  return read;
}

void Presenter::CopyIntoStrip(const gfx::Surface& surface, const Rect& area) {
  const Visual& visual = *display_.visual();
  const bool direct = MatchesSurfaceLayout(*strip_.image, visual);
  for (int y = 0; y < area.Height(); ++y) {
    const gfx::Pixel* src = surface.Row(area.top + y) + area.left;
    if (direct) {
      std::memcpy(strip_.image->data + static_cast<size_t>(y) * strip_.image->bytes_per_line, src,
                  static_cast<size_t>(area.Width()) * sizeof(gfx::Pixel));
    } else {
      for (int x = 0; x < area.Width(); ++x)
        XPutPixel(strip_.image, x, y, PixelToX(src[x], visual));
    }
  }
}

void Presenter::PutShared(Window window, XImage* image, int src_x, int src_y, const Rect& area) {
  XShmPutImage(display_.dpy(), window, GcFor(window), image, src_x, src_y, area.left, area.top,
               static_cast<unsigned>(area.Width()), static_cast<unsigned>(area.Height()), False);
  // The server reads the segment after the request returns; the image may only be drawn into
  // again once this frame has been taken.
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
