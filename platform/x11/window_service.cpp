#include "platform/x11/window_service.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace corvane::platform::x11 {

namespace {
constexpr long kEventMask = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | FocusChangeMask | ExposureMask |
                            StructureNotifyMask;

// The window manager's hints that a window wants no decorations.
struct MotifHints {
  unsigned long flags, functions, decorations;
  long input_mode;
  unsigned long status;
};
}  // namespace

X11WindowService::X11WindowService(X11Display& display, EventLoop& loop)
    : display_(display), loop_(loop), presenter_(display), text_input_(display.dpy()) {}

X11WindowService::~X11WindowService() {
  if (grab_retry_ != 0) loop_.StopTimer(grab_retry_);
  if (grabbed_) {
    XUngrabPointer(display_.dpy(), CurrentTime);
    XUngrabKeyboard(display_.dpy(), CurrentTime);
  }
  for (const auto& [window, own] : windows_) {
    if (IsTopLevel(own)) XDestroyWindow(display_.dpy(), window);
  }
  XFlush(display_.dpy());
}

HWND X11WindowService::Create(const WindowDesc& desc, WindowListener* listener) {
  Display* dpy = display_.dpy();
  const Window parent = desc.parent == 0 ? display_.root() : static_cast<Window>(desc.parent);
  XSetWindowAttributes attributes{};
  attributes.background_pixmap = None;  // We draw every pixel; no flash of background.
  attributes.event_mask = kEventMask;
  const bool unmanaged = desc.frame == WindowFrame::kOverlay || desc.frame == WindowFrame::kPopup;
  attributes.override_redirect = unmanaged ? True : False;
  attributes.cursor = cursor_;
  unsigned long mask = CWBackPixmap | CWEventMask | CWOverrideRedirect;
  if (parent == display_.root()) mask |= CWCursor;
  Window window = None;
  {
    ErrorTrap trap(dpy);
    window = XCreateWindow(dpy, parent, desc.bounds.left, desc.bounds.top,
                           static_cast<unsigned>(std::max(desc.bounds.Width(), 1)),
                           static_cast<unsigned>(std::max(desc.bounds.Height(), 1)), 0,
                           CopyFromParent, InputOutput, CopyFromParent, mask, &attributes);
    if (trap.Failed()) return 0;  // A foreign parent that does not exist.
  }
  windows_[window] = OwnWindow{listener, parent, false};
  if (parent != display_.root()) {
    if (!IsOwn(parent)) WatchForeign(parent);
  } else if (desc.frame == WindowFrame::kPopup) {
    // A drop-down never has the keyboard; its owner's window keeps it.
    XWMHints wm_hints{};
    wm_hints.flags = InputHint;
    wm_hints.input = False;
    XSetWMHints(dpy, window, &wm_hints);
  } else {
    text_input_.AddTopLevel(window);
    Atom delete_window = display_.GetAtom("WM_DELETE_WINDOW");
    XSetWMProtocols(dpy, window, &delete_window, 1);
    XClassHint class_hint{const_cast<char*>("corvane"), const_cast<char*>("Corvane")};
    XSetClassHint(dpy, window, &class_hint);
    XWMHints wm_hints{};
    wm_hints.flags = InputHint;
    wm_hints.input = True;
    XSetWMHints(dpy, window, &wm_hints);
    const long pid = getpid();
    XChangeProperty(dpy, window, display_.GetAtom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    // Keep the window manager from placing the window elsewhere than asked.
    XSizeHints size_hints{};
    size_hints.flags = USPosition | USSize;
    XSetWMNormalHints(dpy, window, &size_hints);
    if (desc.frame == WindowFrame::kBorderless) {
      MotifHints hints{2, 0, 0, 0, 0};  // Flag: decorations given; decorations: none.
      const Atom motif = display_.GetAtom("_MOTIF_WM_HINTS");
      XChangeProperty(dpy, window, motif, motif, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&hints), 5);
    }
  }
  SetCaption(static_cast<HWND>(window), desc.caption);
  return static_cast<HWND>(window);
}

void X11WindowService::WatchForeign(Window foreign) {
  if (std::find(watched_foreign_.begin(), watched_foreign_.end(), foreign) !=
      watched_foreign_.end()) {
    return;
  }
  // Add to, never replace, whatever the host selected on its own window... which we cannot read:
  // our selection is per client, so the host's own mask is untouched.
  XSelectInput(display_.dpy(), foreign, StructureNotifyMask);
  watched_foreign_.push_back(foreign);
}

void X11WindowService::Forget(Window window) {
  std::vector<Window> doomed{window};
  // Our windows inside it go with it; collect them before erasing anything.
  for (size_t i = 0; i < doomed.size(); ++i) {
    for (const auto& [candidate, own] : windows_) {
      if (own.parent == doomed[i]) doomed.push_back(candidate);
    }
  }
  for (Window w : doomed) {
    windows_.erase(w);
    text_input_.RemoveTopLevel(w);
    // The server ends a grab when its window goes.
    if (w == pointer_grab_) pointer_grab_ = None;
  }
  if (grab_window_ != None && !IsOwn(grab_window_)) {
    grab_window_ = None;
    if (grab_retry_ != 0) loop_.StopTimer(grab_retry_);
    grab_retry_ = 0;
    grabbed_ = false;
  }
}

void X11WindowService::Vanished(Window window) {
  std::vector<std::pair<Window, WindowListener*>> told;
  std::vector<Window> doomed{window};
  for (size_t i = 0; i < doomed.size(); ++i) {
    for (const auto& [candidate, own] : windows_) {
      if (own.parent == doomed[i]) doomed.push_back(candidate);
    }
  }
  for (Window w : doomed) {
    auto it = windows_.find(w);
    if (it != windows_.end()) told.emplace_back(w, it->second.listener);
  }
  Forget(window);
  // Listeners are told after the bookkeeping, so one that destroys more windows finds it sane.
  for (const auto& [w, listener] : told) {
    if (listener != nullptr) listener->OnDestroyed();
  }
}

void X11WindowService::Destroy(HWND window) {
  if (!IsOwn(window)) return;
  Forget(window);
  ErrorTrap trap(display_.dpy());  // It may already have gone with a foreign parent.
  XDestroyWindow(display_.dpy(), window);
}

void X11WindowService::SetCaption(HWND window, std::string_view utf8) {
  if (!IsOwn(window)) return;
  Display* dpy = display_.dpy();
  const auto* data = reinterpret_cast<const unsigned char*>(utf8.data());
  const int length = static_cast<int>(utf8.size());
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return c > 0; });
  const Atom utf8_string = display_.GetAtom("UTF8_STRING");
  XChangeProperty(dpy, window, XA_WM_NAME, ascii ? XA_STRING : utf8_string, 8, PropModeReplace,
                  data, length);
  XChangeProperty(dpy, window, display_.GetAtom("_NET_WM_NAME"), utf8_string, 8, PropModeReplace,
                  data, length);
}

void X11WindowService::Show(HWND window) {
  if (!IsOwn(window)) return;
  XMapRaised(display_.dpy(), window);
  XFlush(display_.dpy());
}

void X11WindowService::Hide(HWND window) {
  if (!IsOwn(window)) return;
  XUnmapWindow(display_.dpy(), window);
  XFlush(display_.dpy());
}

void X11WindowService::Move(HWND window, const Rect& bounds) {
  if (!IsOwn(window)) return;
  XMoveResizeWindow(display_.dpy(), window, bounds.left, bounds.top,
                    static_cast<unsigned>(std::max(bounds.Width(), 1)),
                    static_cast<unsigned>(std::max(bounds.Height(), 1)));
  XFlush(display_.dpy());
}

void X11WindowService::MakeTopmost(HWND window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  Display* dpy = display_.dpy();
  it->second.topmost = true;
  // Re-raised whenever something covers it (see Dispatch).
  XSelectInput(dpy, window, kEventMask | VisibilityChangeMask);
  XRaiseWindow(dpy, window);
  const Atom state = display_.GetAtom("_NET_WM_STATE");
  const Atom above = display_.GetAtom("_NET_WM_STATE_ABOVE");
  XChangeProperty(dpy, window, state, XA_ATOM, 32, PropModeAppend,
                  reinterpret_cast<const unsigned char*>(&above), 1);
  // A mapped managed window must ask the window manager instead of setting the property.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = state;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;  // Add.
  event.xclient.data.l[1] = static_cast<long>(above);
  event.xclient.data.l[3] = 1;  // Normal application.
  XSendEvent(dpy, display_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &event);
  XFlush(dpy);
}

bool X11WindowService::Reparent(HWND window, HWND new_parent) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return false;
  const Window parent = new_parent == 0 ? display_.root() : static_cast<Window>(new_parent);
  ErrorTrap trap(display_.dpy());
  XReparentWindow(display_.dpy(), window, parent, 0, 0);
  if (trap.Failed()) return false;
  it->second.parent = parent;
  if (parent != display_.root() && !IsOwn(parent)) WatchForeign(parent);
  return true;
}

void X11WindowService::GrabInput(HWND window) {
  if (!IsOwn(window)) return;
  grab_window_ = window;
  grab_attempts_ = 0;
  TryGrab();
}

void X11WindowService::TryGrab() {
  if (grab_window_ == None || grabbed_) return;
  Display* dpy = display_.dpy();
  const int keyboard =
      XGrabKeyboard(dpy, grab_window_, True, GrabModeAsync, GrabModeAsync, CurrentTime);
  const int pointer =
      XGrabPointer(dpy, grab_window_, True, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                   GrabModeAsync, GrabModeAsync, None, cursor_, CurrentTime);
  if (keyboard == GrabSuccess && pointer == GrabSuccess) {
    grabbed_ = true;
    if (grab_retry_ != 0) loop_.StopTimer(grab_retry_);
    grab_retry_ = 0;
    return;
  }
  if (keyboard == GrabSuccess) XUngrabKeyboard(dpy, CurrentTime);
  if (pointer == GrabSuccess) XUngrabPointer(dpy, CurrentTime);
  // Another client holds a grab (an open menu, a key held by a hotkey daemon), or our window is
  // not viewable yet: try again shortly, for a while, without blocking the loop.
  if (++grab_attempts_ <= 50 && grab_retry_ == 0) {
    grab_retry_ = loop_.StartTimer(100, [this] { TryGrab(); });
  } else if (grab_attempts_ > 50 && grab_retry_ != 0) {
    loop_.StopTimer(grab_retry_);
    grab_retry_ = 0;
  }
}

void X11WindowService::GiveFocus(HWND window) {
  if (!IsOwn(window)) return;
  ErrorTrap trap(display_.dpy());  // Fails harmlessly while the window is not viewable.
  XSetInputFocus(display_.dpy(), window, RevertToParent, CurrentTime);
}

bool X11WindowService::GrabPointer(HWND window) {
  if (!IsOwn(window)) return false;
  // Not owner_events: a press on our own dialog must reach the drop-down too, in its coordinates,
  // as a click outside it.
  const int result = XGrabPointer(display_.dpy(), window, False,
                                  ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                  GrabModeAsync, GrabModeAsync, None, cursor_, CurrentTime);
  if (result != GrabSuccess) return false;
  pointer_grab_ = window;
  return true;
}

void X11WindowService::ReleasePointer() {
  if (pointer_grab_ == None) return;
  pointer_grab_ = None;
  XUngrabPointer(display_.dpy(), CurrentTime);
  XFlush(display_.dpy());
}

void X11WindowService::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  Display* dpy = display_.dpy();
  // Children inherit their top-level window's pointer.
  for (const auto& [window, own] : windows_) {
    if (IsTopLevel(own)) XDefineCursor(dpy, window, cursor);
  }
  if (grabbed_) {
    XChangeActivePointerGrab(dpy, ButtonPressMask | ButtonReleaseMask | PointerMotionMask, cursor,
                             CurrentTime);
  }
  XFlush(dpy);
}

bool X11WindowService::RequestClose(HWND window) {
  if (IsOwn(window)) {
    // Delivered as a message, after the handler that asked has returned.
    loop_.Post([this, window] {
      auto it = windows_.find(window);
      if (it != windows_.end() && it->second.listener != nullptr) {
        it->second.listener->OnCloseRequest();
      }
    });
    return true;
  }
  if (!Exists(window)) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = display_.GetAtom("WM_PROTOCOLS");
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(display_.GetAtom("WM_DELETE_WINDOW"));
  event.xclient.data.l[1] = CurrentTime;
  ErrorTrap trap(display_.dpy());
  XSendEvent(display_.dpy(), window, False, NoEventMask, &event);
  return !trap.Failed();
}

void X11WindowService::Present(HWND window, const gfx::Surface& surface, const Rect& area) {
  if (!IsOwn(window)) return;
  presenter_.Present(window, surface, area);
}

}  // namespace corvane::platform::x11
