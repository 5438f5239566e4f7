#include "platform/x11/display.h"

#include <cstdio>
#include <cstdlib>

#include "os/warn.h"

namespace corvane::platform::x11 {

namespace {
ErrorTrap* g_active_trap = nullptr;
bool g_connection_lost = false;

int HandleIoError(Display*) {
  if (!g_connection_lost) Warn("lost the connection to the X server");
  g_connection_lost = true;
  return 0;
}

// Returning here (instead of exiting, as Xlib's default does) lets the event loop end the program
// through its normal path.
void HandleIoErrorExit(Display*, void*) { g_connection_lost = true; }
}  // namespace

int HandleXError(Display* dpy, XErrorEvent* event) {
  // No requests and no event reading in here: Xlib is in the middle of a call.
  if (g_active_trap != nullptr) {
    if (!g_active_trap->failed_) {
      g_active_trap->failed_ = true;
      g_active_trap->first_code_ = event->error_code;
    }
    return 0;
  }
  // A window of somebody else that vanished between our requests is an ordinary event.
  if (event->error_code == BadWindow || event->error_code == BadDrawable) return 0;
  char text[128] = {};
  XGetErrorText(dpy, event->error_code, text, sizeof text);
  Warn("X error %s (request %d.%d, resource 0x%lx)", text, event->request_code, event->minor_code,
       event->resourceid);
  return 0;
}

std::unique_ptr<X11Display> X11Display::Open(std::string* error) {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') {
    *error = "no X display (DISPLAY is not set)";
    return nullptr;
  }
  XSetErrorHandler(HandleXError);
  XSetIOErrorHandler(HandleIoError);
  Display* dpy = XOpenDisplay(name);
  if (dpy == nullptr) {
    *error = std::string("cannot connect to the X server at ") + name;
    return nullptr;
  }
  XSetIOErrorExitHandler(dpy, HandleIoErrorExit, nullptr);
  g_connection_lost = false;
  return std::unique_ptr<X11Display>(new X11Display(dpy));
}

X11Display::X11Display(Display* dpy)
    : dpy_(dpy),
      screen_(DefaultScreen(dpy)),
      root_(RootWindow(dpy, DefaultScreen(dpy))),
      visual_(DefaultVisual(dpy, DefaultScreen(dpy))),
      depth_(DefaultDepth(dpy, DefaultScreen(dpy))) {}

X11Display::~X11Display() {
  // Closing releases grabs and the hidden cursor with the connection, whatever state we left.
  if (!g_connection_lost) XCloseDisplay(dpy_);
}

Atom X11Display::GetAtom(const char* name) {
  auto it = atoms_.find(name);
  if (it != atoms_.end()) return it->second;
  const Atom atom = XInternAtom(dpy_, name, False);
  atoms_.emplace(name, atom);
  return atom;
}

bool X11Display::ConnectionLost() { return g_connection_lost; }

ErrorTrap::ErrorTrap(Display* dpy) : dpy_(dpy), outer_(g_active_trap) {
  XSync(dpy_, False);
  g_active_trap = this;
}

ErrorTrap::~ErrorTrap() {
  XSync(dpy_, False);
  g_active_trap = outer_;
}

bool ErrorTrap::Failed() {
  XSync(dpy_, False);
  return failed_ || g_connection_lost;
}

}  // namespace corvane::platform::x11
