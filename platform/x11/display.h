#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace corvane::platform::x11 {

// The process's one connection to the X server, with the error handlers installed. A protocol
// error never ends the program: it is recorded (see ErrorTrap) and the call that caused it is
// treated as failed. Losing the connection is noticed by the event loop, which ends cleanly.
class X11Display {
 public:
  // Connects to $DISPLAY. On failure returns nullptr and a message for the user in *error.
  static std::unique_ptr<X11Display> Open(std::string* error);
  ~X11Display();
  X11Display(const X11Display&) = delete;
  X11Display& operator=(const X11Display&) = delete;

  Display* dpy() const { return dpy_; }
  int screen() const { return screen_; }
  Window root() const { return root_; }
  Visual* visual() const { return visual_; }
  int depth() const { return depth_; }
  int ConnectionFd() const { return ConnectionNumber(dpy_); }

  // Interned once and cached.
  Atom GetAtom(const char* name);

  // True once the server has gone away; every later request is a no-op.
  static bool ConnectionLost();

 private:
  explicit X11Display(Display* dpy);

  Display* dpy_;
  int screen_;
  Window root_;
  Visual* visual_;
  int depth_;
  std::unordered_map<std::string, Atom> atoms_;
};

// Turns the asynchronous X errors of the requests made during its lifetime into a result: sync,
// make the calls, then ask Failed(). Errors on foreign windows that vanished are expected
// (BadWindow, BadDrawable) and show up here instead of on stderr.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* dpy);
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Syncs with the server and reports whether any request since construction failed.
  bool Failed();
  // The error code of the first failure (valid after Failed() returned true).
  int ErrorCode() const { return first_code_; }

 private:
  Display* dpy_;
  ErrorTrap* outer_;
  int first_code_ = 0;
  bool failed_ = false;

  friend int HandleXError(Display*, XErrorEvent*);
};

}  // namespace corvane::platform::x11
