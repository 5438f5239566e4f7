#pragma once

#include <X11/Xlib.h>

#include <unordered_map>
#include <vector>

#include "os/event_loop.h"
#include "os/window.h"
#include "platform/x11/display.h"
#include "platform/x11/presenter.h"
#include "platform/x11/text_input.h"

namespace corvane::platform::x11 {

// Windows over Xlib. A handle is the X window id; our own windows carry a listener, foreign ones
// are only queried (and watched, when one of ours lives inside).
class X11WindowService final : public WindowService {
 public:
  X11WindowService(X11Display& display, EventLoop& loop);
  ~X11WindowService() override;

  HWND Create(const WindowDesc& desc, WindowListener* listener) override;
  void Destroy(HWND window) override;
  void SetCaption(HWND window, std::string_view utf8) override;
  void Show(HWND window) override;
  void Hide(HWND window) override;
  void Move(HWND window, const Rect& bounds) override;
  void MakeTopmost(HWND window) override;
  bool Reparent(HWND window, HWND new_parent) override;
  void GrabInput(HWND window) override;
  void GiveFocus(HWND window) override;
  bool GrabPointer(HWND window) override;
  void ReleasePointer() override;

  bool Exists(HWND window) override;
  Rect ScreenRect(HWND window) override;
  HWND Parent(HWND window) override;
  HWND Owner(HWND window) override;
  HWND FindTopLevel(std::string_view caption) override;
  HWND WindowFromPoint(Point screen) override;
  bool RequestClose(HWND window) override;
  bool PointerPosition(Point& screen) override;
  HWND Desktop() override { return static_cast<HWND>(display_.root()); }
  Size ScreenSize() override;
  double Dpi() override;

  std::optional<gfx::Surface> CreateImage(int width, int height) override {
    return presenter_.CreateImage(width, height);
  }
  void ReleaseImage(const gfx::Surface& image) override { presenter_.ReleaseImage(image); }
  void Present(HWND window, const gfx::Surface& surface, const Rect& area) override;
  void AnimateOutline(const Rect& from, const Rect& to) override;

  // Hands one event from the loop to the window it concerns.
  void Dispatch(XEvent& event);
  // The images' owner, which the capture reads the screen into without a copy.
  Presenter& presenter() { return presenter_; }

  // The pointer shape over our windows and during our grabs (None: the default arrow).
  void SetCursor(Cursor cursor);

 private:
  struct OwnWindow {
    WindowListener* listener = nullptr;
    Window parent = 0;  // The X parent: root for a top-level window.
    bool topmost = false;
  };

  bool IsOwn(Window window) const { return windows_.count(window) != 0; }
  bool IsTopLevel(const OwnWindow& own) const { return own.parent == display_.root(); }
  // Forgets window and every window of ours inside it, without telling their listeners.
  void Forget(Window window);
  // Tells the listener of window (and of ours inside it) that it is gone, then forgets them.
  void Vanished(Window window);
  void WatchForeign(Window foreign);
  void TryGrab();
  void DispatchInput(XEvent& event, WindowListener& listener);
  // The top-level window of ours that window lies in (window itself for a top-level one).
  Window TopLevelOf(Window window) const;
  std::string ReadCaption(Window window);
  Window FindCaptionBelow(Window window, std::string_view caption, int depth);

  X11Display& display_;
  EventLoop& loop_;
  Presenter presenter_;
  TextInput text_input_;
  std::unordered_map<Window, OwnWindow> windows_;
  std::vector<Window> watched_foreign_;
  Cursor cursor_ = None;
  Window grab_window_ = None;
  bool grabbed_ = false;
  int grab_attempts_ = 0;
  TimerId grab_retry_ = 0;
  Window pointer_grab_ = None;  // A drop-down's grab of the pointer alone.
};

}  // namespace corvane::platform::x11
