#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/surface.h"
#include "os/geometry.h"
#include "os/input.h"

namespace corvane::platform {

// A window handle: 32 bits, as the program stores it. On X11 it is the X window id, so a handle
// read from the command line names the host's window directly. 0 names nothing.
using HWND = std::uint32_t;

enum class WindowFrame {
  kNormal,      // A top-level window the window manager decorates.
  kBorderless,  // A top-level window without decorations.
  kOverlay,     // Full-screen and above everything: not managed by the window manager at all.
  kPopup,       // A drop-down above the other windows, never managed and never given the focus.
};

struct WindowDesc {
  HWND parent = 0;  // 0 for a top-level window; otherwise a window of ours or a foreign one.
  Rect bounds;      // Relative to the parent, or to the screen for a top-level window.
  WindowFrame frame = WindowFrame::kNormal;
  std::string caption;  // UTF-8.
};

// What a window tells its owner. Everything arrives on the user-interface thread, from the event
// loop, one at a time.
class WindowListener {
 public:
  virtual ~WindowListener() = default;
  virtual void OnKeyDown(const KeyEvent&) {}
  virtual void OnMouseDown(const MouseEvent&) {}
  virtual void OnMouseUp(const MouseEvent&) {}
  virtual void OnMouseMove(const MouseEvent&) {}
  // The mouse wheel turned by steps notches: positive towards the user (down the page).
  virtual void OnMouseWheel(const MouseEvent&, int /*steps*/) {}
  virtual void OnFocus(bool /*gained*/) {}
  virtual void OnPointerCrossing(bool /*entered*/) {}
  // Part of the window needs its pixels again (window coordinates).
  virtual void OnExpose(const Rect&) {}
  // The window system or a WM_CLOSE message asks the window to close; it stays until destroyed.
  virtual void OnCloseRequest() {}
  // The window is gone: destroyed by somebody else, or with the foreign window it lived in. The
  // handle names nothing from now on and no further call arrives.
  virtual void OnDestroyed() {}
};

// Windows of this program and the foreign windows it meets (a host's preview pane, other
// programs' top-level windows). Used on the user-interface thread only.
class WindowService {
 public:
  virtual ~WindowService() = default;
  static constexpr const char* kServiceName = "window";

  // Creates an unmapped window; listener (may be null) must outlive it. Returns 0 on failure,
  // for example when the parent does not exist.
  virtual HWND Create(const WindowDesc& desc, WindowListener* listener) = 0;
  virtual void Destroy(HWND window) = 0;
  virtual void SetCaption(HWND window, std::string_view utf8) = 0;
  virtual void Show(HWND window) = 0;
  virtual void Hide(HWND window) = 0;
  // Bounds relative to the parent (the screen for a top-level window).
  virtual void Move(HWND window, const Rect& bounds) = 0;
  // Keeps the window above ordinary windows without moving or activating it.
  virtual void MakeTopmost(HWND window) = 0;
  // Makes window a child of new_parent (ours or foreign), or top-level again for 0. Watches a
  // foreign parent so that its destruction reaches window's listener as OnDestroyed.
  virtual bool Reparent(HWND window, HWND new_parent) = 0;
  // Sends all keyboard and pointer input to window (full-screen display); retried in the
  // background while another client holds a grab. Released when the window goes.
  virtual void GrabInput(HWND window) = 0;
  virtual void GiveFocus(HWND window) = 0;
  // Sends all pointer input to window, in its coordinates, until ReleasePointer or until the
  // window goes: an open drop-down sees the click outside it that closes it. The keyboard stays
  // where it was. False when another client holds a grab.
  virtual bool GrabPointer(HWND window) = 0;
  virtual void ReleasePointer() = 0;

  // Queries that work on any window, foreign ones included.
  virtual bool Exists(HWND window) = 0;
  // Outer rectangle in screen pixels; a zero rectangle for a window that does not exist.
  virtual Rect ScreenRect(HWND window) = 0;
  virtual HWND Parent(HWND window) = 0;
  // The window a top-level window was declared transient for, or 0.
  virtual HWND Owner(HWND window) = 0;
  // A top-level window (window-manager frames looked through) whose caption is exactly caption.
  virtual HWND FindTopLevel(std::string_view caption) = 0;
  // The deepest viewable window under a screen point, or 0.
  virtual HWND WindowFromPoint(Point screen) = 0;
  // Asks a window to close: ours get OnCloseRequest, foreign ones the window manager's request.
  virtual bool RequestClose(HWND window) = 0;
  virtual bool PointerPosition(Point& screen) = 0;
  // The handle that stands for the whole screen (the root window).
  virtual HWND Desktop() = 0;
  virtual Size ScreenSize() = 0;
  // Dots per inch of the screen as the desktop configures it for text.
  virtual double Dpi() = 0;

  // A black image for a window's pixels, which Present shows without copying it first where the
  // window system can share memory with us (large images only); otherwise a plain surface. Fails
  // as gfx::Surface::Create does. Give it back with ReleaseImage before it is dropped.
  virtual std::optional<gfx::Surface> CreateImage(int width, int height) = 0;
  virtual void ReleaseImage(const gfx::Surface& image) = 0;
  // Copies area (surface coordinates, which are the window's) of surface to the window.
  virtual void Present(HWND window, const gfx::Surface& surface, const Rect& area) = 0;

  // Draws an outline that moves and grows from one screen rectangle to the other, the way a
  // window's caption flies when it is minimised or restored; finished when it returns.
  virtual void AnimateOutline(const Rect& from, const Rect& to) = 0;
};

}  // namespace corvane::platform
