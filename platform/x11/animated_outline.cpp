#include "platform/x11/animated_outline.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace corvane::platform::x11 {

namespace {
constexpr int kSteps = 16;
constexpr auto kDuration = std::chrono::milliseconds(250);

Rect Interpolate(const Rect& from, const Rect& to, int step) {
  auto mix = [step](int a, int b) { return a + (b - a) * step / kSteps; };
  return Rect{mix(from.left, to.left), mix(from.top, to.top), mix(from.right, to.right),
              mix(from.bottom, to.bottom)};
}

void DrawOutline(Display* dpy, Window root, GC gc, const Rect& r) {
  XDrawRectangle(dpy, root, gc, r.left, r.top, static_cast<unsigned>(std::max(r.Width(), 1)),
                 static_cast<unsigned>(std::max(r.Height(), 1)));
}
}  // namespace

void AnimateOutline(X11Display& display, const Rect& from, const Rect& to) {
  Display* dpy = display.dpy();
  XGCValues values{};
  // Drawing with XOR over every window lets the second drawing of a frame erase the first.
  values.function = GXxor;
  values.foreground = WhitePixel(dpy, display.screen()) ^ BlackPixel(dpy, display.screen());
  values.subwindow_mode = IncludeInferiors;
  values.line_width = 2;
  GC gc = XCreateGC(dpy, display.root(), GCFunction | GCForeground | GCSubwindowMode | GCLineWidth,
                    &values);
  const auto start = std::chrono::steady_clock::now();
  // The platform call this stands for is synchronous: the animation is over when it returns.
  for (int step = 0; step <= kSteps; ++step) {
    const Rect frame = Interpolate(from, to, step);
    DrawOutline(dpy, display.root(), gc, frame);
    XFlush(dpy);
    std::this_thread::sleep_until(start + kDuration * (step + 1) / (kSteps + 1));
    DrawOutline(dpy, display.root(), gc, frame);
  }
  XFreeGC(dpy, gc);
  XFlush(dpy);
}

}  // namespace corvane::platform::x11
