#include "platform/x11/cursor_service.h"

#include <X11/cursorfont.h>

#include <array>

namespace corvane::platform::x11 {

namespace {
// X bitmaps hold the leftmost pixel in the lowest bit of each byte.
std::array<unsigned char, 128> ToXBitmap(const std::array<std::uint32_t, 32>& rows) {
  std::array<unsigned char, 128> bytes{};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (rows[y] & (0x80000000u >> x))
        bytes[y * 4 + x / 8] |= static_cast<unsigned char>(1 << (x % 8));
    }
  }
  return bytes;
}

Cursor MakeBitmapCursor(Display* dpy, Window root, const std::array<unsigned char, 128>& image,
                        const std::array<unsigned char, 128>& mask, int hot_x, int hot_y) {
  Pixmap source =
      XCreateBitmapFromData(dpy, root, reinterpret_cast<const char*>(image.data()), 32, 32);
  Pixmap mask_map =
      XCreateBitmapFromData(dpy, root, reinterpret_cast<const char*>(mask.data()), 32, 32);
  XColor black{};
  XColor white{};
  white.red = white.green = white.blue = 0xFFFF;
  const Cursor cursor =
      XCreatePixmapCursor(dpy, source, mask_map, &black, &white, static_cast<unsigned>(hot_x),
                          static_cast<unsigned>(hot_y));
  XFreePixmap(dpy, source);
  XFreePixmap(dpy, mask_map);
  return cursor;
}
}  // namespace

X11CursorService::X11CursorService(X11Display& display, X11WindowService& windows)
    : display_(display), windows_(windows) {
  const std::array<unsigned char, 128> nothing{};
  blank_ = MakeBitmapCursor(display_.dpy(), display_.root(), nothing, nothing, 0, 0);
}

X11CursorService::~X11CursorService() {
  Display* dpy = display_.dpy();
  windows_.SetCursor(None);
  FreeCustom();
  for (Cursor c : {blank_, hourglass_, hand_}) {
    if (c != None) XFreeCursor(dpy, c);
  }
}

void X11CursorService::FreeCustom() {
  if (custom_ != None) XFreeCursor(display_.dpy(), custom_);
  custom_ = None;
}

void X11CursorService::SetHidden(bool hidden) {
  hidden_ = hidden;
  Apply();
}

void X11CursorService::SetShape(PointerShape shape, const CustomCursor* custom) {
  Display* dpy = display_.dpy();
  switch (shape) {
    case PointerShape::kDefault:
      shape_ = None;
      break;
    case PointerShape::kHourglass:
      if (hourglass_ == None) hourglass_ = XCreateFontCursor(dpy, XC_watch);
      shape_ = hourglass_;
      break;
    case PointerShape::kHand:
      if (hand_ == None) hand_ = XCreateFontCursor(dpy, XC_hand2);
      shape_ = hand_;
      break;
    case PointerShape::kCustom: {
      if (custom == nullptr) return;
      const Cursor previous = custom_;
      std::array<std::uint32_t, 32> visible{};
      for (int y = 0; y < 32; ++y) visible[y] = custom->image[y] & custom->mask[y];
      custom_ = MakeBitmapCursor(dpy, display_.root(), ToXBitmap(visible), ToXBitmap(custom->mask),
                                 custom->hot_x, custom->hot_y);
      shape_ = custom_;
      Apply();
      if (previous != None) XFreeCursor(dpy, previous);
      return;
    }
  }
  Apply();
}

void X11CursorService::Apply() { windows_.SetCursor(hidden_ ? blank_ : shape_); }

}  // namespace corvane::platform::x11
