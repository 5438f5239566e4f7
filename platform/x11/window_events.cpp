#include <X11/Xutil.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/x11/keys.h"
#include "platform/x11/window_service.h"

namespace corvane::platform::x11 {

namespace {
int ButtonFromX(unsigned int button) {
  switch (button) {
    case Button1:
      return kLeftButton;
    case Button2:
      return kMiddleButton;
    case Button3:
      return kRightButton;
    default:
      return kNoButton;  // Wheel steps and extra buttons.
  }
}

int ButtonsHeld(unsigned int state) {
  int held = 0;
  if (state & Button1Mask) held |= kLeftButton;
  if (state & Button2Mask) held |= kMiddleButton;
  if (state & Button3Mask) held |= kRightButton;
  return held;
}

MouseEvent MouseFrom(int button, unsigned int state, int x, int y, int x_root, int y_root) {
  return MouseEvent{button, ShiftFromState(state), x, y, x_root, y_root};
}
}  // namespace

Window X11WindowService::TopLevelOf(Window window) const {
  for (auto it = windows_.find(window); it != windows_.end(); it = windows_.find(window)) {
    if (IsTopLevel(it->second)) return window;
    window = it->second.parent;
  }
  return window;
}

void X11WindowService::Dispatch(XEvent& event) {
  const Window window = event.xany.window;
  if (text_input_.Filter(event, TopLevelOf(window))) return;
  if (event.type == DestroyNotify) {
    // Reported to the destroyed window itself and to its parent; act once, for the window.
    const Window gone = event.xdestroywindow.window;
    if (IsOwn(gone)) {
      Vanished(gone);
    } else if (auto it = std::find(watched_foreign_.begin(), watched_foreign_.end(), gone);
               it != watched_foreign_.end()) {
      watched_foreign_.erase(it);
      std::vector<Window> inside;
      for (const auto& [candidate, own] : windows_) {
        if (own.parent == gone) inside.push_back(candidate);
      }
      for (Window w : inside) {
        if (IsOwn(w)) Vanished(w);
      }
    }
    return;
  }
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  OwnWindow& own = it->second;
  switch (event.type) {
    case MapNotify:
      if (window == grab_window_ && !grabbed_) TryGrab();
      return;
    case VisibilityNotify:
      // Something covers a window that must stay on top: raise it again.
      if (own.topmost && event.xvisibility.state != VisibilityUnobscured) {
        XRaiseWindow(display_.dpy(), window);
      }
      return;
    case ClientMessage:
      if (event.xclient.message_type == display_.GetAtom("WM_PROTOCOLS") &&
          static_cast<Atom>(event.xclient.data.l[0]) == display_.GetAtom("WM_DELETE_WINDOW") &&
          own.listener != nullptr) {
        own.listener->OnCloseRequest();
      }
      return;
    default:
      break;
  }
  if (own.listener != nullptr) DispatchInput(event, *own.listener);
}

void X11WindowService::DispatchInput(XEvent& event, WindowListener& listener) {
  switch (event.type) {
    case KeyPress: {
      // A key press only: a saver started by a hotkey may see that key's release first.
      const KeySym keysym = XLookupKeysym(&event.xkey, 0);
      std::string text = text_input_.Lookup(event.xkey, TopLevelOf(event.xkey.window));
      listener.OnKeyDown(KeyEvent{VirtualKeyFromKeysym(keysym), ShiftFromState(event.xkey.state),
                                  std::move(text)});
      break;
    }
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& b = event.xbutton;
      // The wheel comes as presses of buttons 4 (away from the user) and 5 (towards).
      if ((b.button == Button4 || b.button == Button5) && event.type == ButtonPress) {
        listener.OnMouseWheel(MouseFrom(kNoButton, b.state, b.x, b.y, b.x_root, b.y_root),
                              b.button == Button4 ? -1 : 1);
        break;
      }
      const int button = ButtonFromX(b.button);
      if (button == kNoButton) break;
      const MouseEvent mouse = MouseFrom(button, b.state, b.x, b.y, b.x_root, b.y_root);
      if (event.type == ButtonPress) {
        listener.OnMouseDown(mouse);
      } else {
        listener.OnMouseUp(mouse);
      }
      break;
    }
    case MotionNotify: {
      // Only the latest position matters; skip the ones already queued behind it.
      while (XCheckTypedWindowEvent(display_.dpy(), event.xmotion.window, MotionNotify, &event)) {
      }
      const XMotionEvent& m = event.xmotion;
      listener.OnMouseMove(MouseFrom(ButtonsHeld(m.state), m.state, m.x, m.y, m.x_root, m.y_root));
      break;
    }
    case EnterNotify:
    case LeaveNotify:
      // Moving into or out of one of our own child windows is not leaving this window.
      if (event.xcrossing.detail != NotifyInferior)
        listener.OnPointerCrossing(event.type == EnterNotify);
      break;
    case FocusIn:
    case FocusOut:
      if (event.xfocus.detail != NotifyPointer && event.xfocus.mode != NotifyGrab &&
          event.xfocus.mode != NotifyUngrab) {
        text_input_.FocusChanged(TopLevelOf(event.xfocus.window), event.type == FocusIn);
        listener.OnFocus(event.type == FocusIn);
      }
      break;
    case Expose: {
      const XExposeEvent& e = event.xexpose;
      listener.OnExpose(Rect{e.x, e.y, e.x + e.width, e.y + e.height});
      break;
    }
    default:
      break;
  }
}

}  // namespace corvane::platform::x11
