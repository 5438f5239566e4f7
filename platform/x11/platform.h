#pragma once

#include <memory>

#include "platform/x11/capture_service.h"
#include "platform/x11/cursor_service.h"
#include "platform/x11/display.h"
#include "platform/x11/end_signals.h"
#include "platform/x11/event_loop.h"
#include "platform/x11/power_service.h"
#include "platform/x11/window_service.h"

namespace corvane::platform::x11 {

// The X11 backend, whole: opens the connection and installs the window, event loop, cursor,
// capture and power services for its lifetime. The program's main creates one, runs the loop, and
// returns the loop's exit code; destroying it releases grabs and the cursor and closes the
// connection.
class X11Platform {
 public:
  // nullptr, after a message on stderr, when there is no X server to talk to. The end signals are
  // taken first, so that the program can be ended while the server is slow to answer.
  static std::unique_ptr<X11Platform> Open();
  ~X11Platform();
  X11Platform(const X11Platform&) = delete;
  X11Platform& operator=(const X11Platform&) = delete;

  X11Display& display() { return *display_; }
  X11EventLoop& loop() { return *loop_; }
  X11WindowService& windows() { return *windows_; }

 private:
  X11Platform(std::unique_ptr<EndSignals> signals, std::unique_ptr<X11Display> display);

  std::unique_ptr<EndSignals> signals_;
  std::unique_ptr<X11Display> display_;
  std::unique_ptr<X11EventLoop> loop_;
  std::unique_ptr<X11WindowService> windows_;
  std::unique_ptr<X11CursorService> cursor_;
  std::unique_ptr<X11CaptureService> capture_;
  std::unique_ptr<X11PowerService> power_;
  EventLoop* previous_loop_ = nullptr;
  WindowService* previous_windows_ = nullptr;
  CursorService* previous_cursor_ = nullptr;
  CaptureService* previous_capture_ = nullptr;
  PowerService* previous_power_ = nullptr;
};

}  // namespace corvane::platform::x11
