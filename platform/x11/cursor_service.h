#pragma once

#include <X11/Xlib.h>

#include "os/cursor.h"
#include "platform/x11/display.h"
#include "platform/x11/window_service.h"

namespace corvane::platform::x11 {

// Pointer shapes over our windows. A hidden pointer is an all-transparent cursor on every window
// of ours and on our grabs, so it never disappears over other programs' windows.
class X11CursorService final : public CursorService {
 public:
  X11CursorService(X11Display& display, X11WindowService& windows);
  ~X11CursorService() override;

  void SetHidden(bool hidden) override;
  void SetShape(PointerShape shape, const CustomCursor* custom) override;

 private:
  void Apply();
  void FreeCustom();

  X11Display& display_;
  X11WindowService& windows_;
  bool hidden_ = false;
  Cursor blank_ = None;
  Cursor hourglass_ = None;
  Cursor hand_ = None;
  Cursor custom_ = None;
  Cursor shape_ = None;
};

}  // namespace corvane::platform::x11
