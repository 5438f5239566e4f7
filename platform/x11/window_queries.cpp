#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>

#include "platform/x11/animated_outline.h"
#include "platform/x11/resources.h"
#include "platform/x11/window_service.h"

namespace corvane::platform::x11 {

namespace {
constexpr double kDefaultDpi = 96.0;
}  // namespace

bool X11WindowService::Exists(HWND window) {
  if (window == 0) return false;
  XWindowAttributes attributes;
  ErrorTrap trap(display_.dpy());
  const Status ok = XGetWindowAttributes(display_.dpy(), window, &attributes);
  return ok != 0 && !trap.Failed();
}

Rect X11WindowService::ScreenRect(HWND window) {
  if (window == 0) return {};
  Display* dpy = display_.dpy();
  ErrorTrap trap(dpy);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(dpy, window, &attributes) == 0) return {};
  int x = 0;
  int y = 0;
  Window child = None;
  XTranslateCoordinates(dpy, window, display_.root(), 0, 0, &x, &y, &child);
  if (trap.Failed()) return {};
  return Rect{x, y, x + attributes.width, y + attributes.height};
}

HWND X11WindowService::Parent(HWND window) {
  auto it = windows_.find(window);
  if (it != windows_.end()) {
    return it->second.parent == display_.root() ? 0 : static_cast<HWND>(it->second.parent);
  }
  if (window == 0) return 0;
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  ErrorTrap trap(display_.dpy());
  if (XQueryTree(display_.dpy(), window, &root, &parent, &children, &count) == 0) return 0;
  if (children != nullptr) XFree(children);
  if (trap.Failed() || parent == root) return 0;
  return static_cast<HWND>(parent);
}

HWND X11WindowService::Owner(HWND window) {
  if (window == 0) return 0;
  Window owner = None;
  ErrorTrap trap(display_.dpy());
  if (XGetTransientForHint(display_.dpy(), window, &owner) == 0 || trap.Failed()) return 0;
  return static_cast<HWND>(owner);
}

std::string X11WindowService::ReadCaption(Window window) {
  Display* dpy = display_.dpy();
  const Atom names[] = {display_.GetAtom("_NET_WM_NAME"), XA_WM_NAME};
  for (const Atom name : names) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, window, name, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &remaining, &data) != Success) {
      continue;
    }
    std::string text;
    if (data != nullptr && format == 8) {
      if (type == XA_STRING) {
        // Latin-1 to UTF-8, so that captions compare whichever way they were stored.
        for (unsigned long i = 0; i < count; ++i) {
          const unsigned char c = data[i];
          if (c < 0x80) {
            text += static_cast<char>(c);
          } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
          }
        }
      } else {
        text.assign(reinterpret_cast<const char*>(data), count);
      }
    }
    if (data != nullptr) XFree(data);
    if (type != None) return text;
  }
  return {};
}

Window X11WindowService::FindCaptionBelow(Window window, std::string_view caption, int depth) {
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display_.dpy(), window, &root, &parent, &children, &count) == 0) return None;
  Window found = None;
  // Topmost first, as a user would see them.
  for (unsigned i = count; i-- > 0 && found == None;) {
    if (ReadCaption(children[i]) == caption) found = children[i];
  }
  // A window manager wraps each client window in frames of its own: look inside them.
  for (unsigned i = count; depth > 0 && i-- > 0 && found == None;) {
    found = FindCaptionBelow(children[i], caption, depth - 1);
  }
  if (children != nullptr) XFree(children);
  return found;
}

HWND X11WindowService::FindTopLevel(std::string_view caption) {
  ErrorTrap trap(display_.dpy());  // Windows may vanish while we walk the tree.
  return static_cast<HWND>(FindCaptionBelow(display_.root(), caption, 2));
}

HWND X11WindowService::WindowFromPoint(Point screen) {
  Display* dpy = display_.dpy();
  ErrorTrap trap(dpy);
  // Descend through the mapped child under the point at each level until there is none.
  Window current = display_.root();
  for (int depth = 0; depth < 64; ++depth) {
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(dpy, display_.root(), current, screen.x, screen.y, &x, &y, &child)) {
      return 0;
    }
    if (child == None) break;
    current = child;
  }
  return trap.Failed() ? 0 : static_cast<HWND>(current);
}

bool X11WindowService::PointerPosition(Point& screen) {
  Window root = None;
  Window child = None;
  int root_x = 0;
  int root_y = 0;
  int win_x = 0;
  int win_y = 0;
  unsigned mask = 0;
  if (!XQueryPointer(display_.dpy(), display_.root(), &root, &child, &root_x, &root_y, &win_x,
                     &win_y, &mask)) {
    return false;
  }
  screen = Point{root_x, root_y};
  return true;
}

Size X11WindowService::ScreenSize() {
  return Size{DisplayWidth(display_.dpy(), display_.screen()),
              DisplayHeight(display_.dpy(), display_.screen())};
}

double X11WindowService::Dpi() {
  const char* resources = XResourceManagerString(display_.dpy());
  if (resources == nullptr) return kDefaultDpi;
  return XftDpiFromResources(resources).value_or(kDefaultDpi);
}

void X11WindowService::AnimateOutline(const Rect& from, const Rect& to) {
  x11::AnimateOutline(display_, from, to);
}

}  // namespace corvane::platform::x11
