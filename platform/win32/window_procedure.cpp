// The window procedure of our windows: the system's messages turned into the listener's calls.

#include <windows.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/keys.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_service.h"

namespace corvane::platform::win32 {

namespace {
LRESULT CALLBACK WindowProcedure(::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* service = reinterpret_cast<Win32WindowService*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  std::intptr_t result = 0;
  if (service != nullptr &&
      service->HandleMessage(FromNative(hwnd), message, wparam, lparam, result)) {
    return result;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

int ButtonsHeld(WPARAM keys) {
  int held = kNoButton;
  if (keys & MK_LBUTTON) held |= kLeftButton;
  if (keys & MK_RBUTTON) held |= kRightButton;
  if (keys & MK_MBUTTON) held |= kMiddleButton;
  return held;
}

int ShiftFromKeys(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= kShiftMask;
  if (keys & MK_CONTROL) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

MouseEvent MouseAt(::HWND hwnd, int button, WPARAM keys, POINT client) {
  POINT screen = client;
  ClientToScreen(hwnd, &screen);
  return MouseEvent{button, ShiftFromKeys(keys), client.x, client.y, screen.x, screen.y};
}

POINT PointFrom(LPARAM lparam) {
  // Signed: a window holding the pointer sees positions left of and above itself.
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
}  // namespace

const wchar_t* OwnWindowClass() {
  static const wchar_t* const kName = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    // No CS_DBLCLKS: a double click arrives as two presses, as on the other systems.
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    // No cursor and no background brush: WM_SETCURSOR picks the pointer, and the program draws
    // every pixel, so nothing flashes before it does.
    window_class.lpszClassName = L"CorvaneWindow";
    RegisterClassExW(&window_class);
    return window_class.lpszClassName;
  }();
  return kName;
}

WindowListener* Win32WindowService::ListenerOf(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.listener;
}

bool Win32WindowService::HandleMessage(HWND window, unsigned message, std::uintptr_t wparam,
                                       std::intptr_t lparam, std::intptr_t& result) {
  if (!IsOwn(window)) return false;  // Still being made, or destroyed through Destroy.
  const ::HWND hwnd = ToNative<::HWND>(window);
  switch (message) {
    case WM_CLOSE:
      // Closing is the program's decision: the window stays until it is destroyed.
      if (WindowListener* listener = ListenerOf(window)) listener->OnCloseRequest();
      return true;
    case WM_NCDESTROY:
      Gone(window);
      return false;
    case WM_PAINT:
      Paint(window);
      return true;
    case WM_GETMINMAXINFO:
      // The program sizes its windows itself, smaller than the system's least captioned window
      // (a drawn message box with a short text).
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = POINT{1, 1};
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) return false;
      ::SetCursor(static_cast<HCURSOR>(cursor_));
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      if (wparam != FALSE && end_requested_) end_requested_();
      return true;
    case WM_TIMER:
      if (wparam != kGrabRetryTimer) return false;
      TryGrab();
      return true;
    case WM_CAPTURECHANGED:
      if (pointer_grab_ != 0 && FromNative(reinterpret_cast<::HWND>(lparam)) != pointer_grab_) {
        pointer_grab_ = 0;
      }
      return false;
    case WM_SYSCOMMAND:
      // Alt or F10 alone would enter the menu mode of a window with no menu and swallow the
      // next key.
      return (wparam & 0xFFF0) == SC_KEYMENU;
    default:
      break;
  }
  if (!HandleInput(window, message, wparam, lparam)) return false;
  // Alt chords still reach the system: Alt+F4 asks the window to close.
  if (message == WM_SYSKEYDOWN && IsWindow(hwnd)) {
    result = DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return true;
}

bool Win32WindowService::HandleInput(HWND window, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam) {
  WindowListener* listener = ListenerOf(window);
  const ::HWND hwnd = ToNative<::HWND>(window);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      KeyDown(window, wparam);
      return true;
    case WM_CHAR:
      CharacterAlone(window, static_cast<wchar_t>(wparam));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (listener == nullptr) return true;
      const bool down =
          message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
      const int button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)   ? kLeftButton
                         : (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) ? kRightButton
                                                                                  : kMiddleButton;
      const MouseEvent mouse = MouseAt(hwnd, button, wparam, PointFrom(lparam));
      if (down) {
        listener->OnMouseDown(mouse);
      } else {
        listener->OnMouseUp(mouse);
      }
      return true;
    }
    case WM_MOUSEMOVE:
      // The system also posts a move where nothing moved, as when a window comes or goes under
      // the pointer; the listener hears motion only, as on X11.
      if (auto it = windows_.find(window); it != windows_.end()) {
        if (it->second.last_move == std::pair(lparam, wparam)) return true;
        it->second.last_move = {lparam, wparam};
      }
      PointerMoved(window);
      if (WindowListener* still = ListenerOf(window)) {
        still->OnMouseMove(MouseAt(hwnd, ButtonsHeld(wparam), wparam, PointFrom(lparam)));
      }
      return true;
    case WM_MOUSELEAVE:
      if (auto it = windows_.find(window); it != windows_.end()) {
        it->second.tracking_leave = false;
        it->second.last_move = {-1, 0};
      }
      PointerMayHaveLeft(window);
      return true;
    case WM_MOUSEWHEEL:
      Wheel(window, wparam, lparam);
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (listener != nullptr) listener->OnFocus(message == WM_SETFOCUS);
      return true;
    default:
      return false;
  }
}

void Win32WindowService::KeyDown(HWND window, std::uintptr_t virtual_key) {
  // TranslateMessage has already posted what the key typed; take it along with the key.
  std::wstring typed;
  MSG queued{};
  while (PeekMessageW(&queued, ToNative<::HWND>(window), WM_CHAR, WM_CHAR, PM_REMOVE)) {
    typed += static_cast<wchar_t>(queued.wParam);
  }
  const int shift = ShiftNow();
  if (WindowListener* listener = ListenerOf(window)) {
    listener->OnKeyDown(
        KeyEvent{KeyCodeFromVirtualKey(virtual_key), shift, TypedText(Narrow(typed), shift)});
  }
}

void Win32WindowService::CharacterAlone(HWND window, wchar_t unit) {
  // A character with no key of its own behind it: an input method's result, or one sent by
  // another program. Characters beyond the first plane come in two halves.
  if (IsHighSurrogate(unit)) {
    pending_high_surrogate_ = unit;
    return;
  }
  std::wstring typed;
  if (pending_high_surrogate_ != 0) typed += pending_high_surrogate_;
  pending_high_surrogate_ = 0;
  typed += unit;
  const int shift = ShiftNow();
  std::string text = TypedText(Narrow(typed), shift);
  WindowListener* listener = ListenerOf(window);
  if (listener != nullptr && !text.empty()) {
    listener->OnKeyDown(KeyEvent{kVkOem, shift, std::move(text)});
  }
}

void Win32WindowService::PointerMoved(HWND window) {
  // The system reports crossings only on request, one at a time; our windows in which the
  // pointer now is are entered, the outermost first.
  std::vector<HWND> entered;
  for (::HWND at = ToNative<::HWND>(window); at != nullptr && IsOwn(FromNative(at));
       at = GetAncestor(at, GA_PARENT)) {
    entered.insert(entered.begin(), FromNative(at));
  }
  if (auto it = windows_.find(window); it != windows_.end() && !it->second.tracking_leave) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, ToNative<::HWND>(window), 0};
    it->second.tracking_leave = TrackMouseEvent(&track) != FALSE;
  }
  for (HWND w : entered) {
    auto it = windows_.find(w);
    if (it == windows_.end() || it->second.pointer_inside) continue;
    it->second.pointer_inside = true;
    if (it->second.listener != nullptr) it->second.listener->OnPointerCrossing(true);
  }
}

void Win32WindowService::PointerMayHaveLeft(HWND window) {
  // The system says the pointer left window, also when it only moved into a child of it, which
  // is no leaving; our windows around window may have been left with it.
  POINT at{};
  GetCursorPos(&at);
  const ::HWND under = ::WindowFromPoint(at);
  std::vector<HWND> left;
  for (::HWND w = ToNative<::HWND>(window); w != nullptr && IsOwn(FromNative(w));
       w = GetAncestor(w, GA_PARENT)) {
    if (under != w && !IsChild(w, under)) left.push_back(FromNative(w));
  }
  for (HWND w : left) {
    auto it = windows_.find(w);
    if (it == windows_.end() || !it->second.pointer_inside) continue;
    it->second.pointer_inside = false;
    if (it->second.listener != nullptr) it->second.listener->OnPointerCrossing(false);
  }
}

void Win32WindowService::Wheel(HWND window, std::uintptr_t wparam, std::intptr_t lparam) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  // A notch is WHEEL_DELTA; finer wheels send parts of one, which add up.
  int& remainder = it->second.wheel_remainder;
  remainder += GET_WHEEL_DELTA_WPARAM(wparam);
  const int notches = remainder / WHEEL_DELTA;
  remainder -= notches * WHEEL_DELTA;
  if (notches == 0 || it->second.listener == nullptr) return;
  POINT client = PointFrom(lparam);  // The wheel reports screen coordinates.
  ScreenToClient(ToNative<::HWND>(window), &client);
  const MouseEvent mouse =
      MouseAt(ToNative<::HWND>(window), kNoButton, GET_KEYSTATE_WPARAM(wparam), client);
  // The system counts away from the user as positive, the program towards.
  it->second.listener->OnMouseWheel(mouse, -notches);
}

void Win32WindowService::Paint(HWND window) {
  PAINTSTRUCT paint{};
  const ::HWND hwnd = ToNative<::HWND>(window);
  BeginPaint(hwnd, &paint);
  EndPaint(hwnd, &paint);
  const RECT& r = paint.rcPaint;
  const Rect exposed{r.left, r.top, r.right, r.bottom};
  WindowListener* listener = ListenerOf(window);
  if (listener != nullptr && !exposed.Empty()) listener->OnExpose(exposed);
}

void Win32WindowService::Gone(HWND window) {
  // Told after the bookkeeping, so that a listener that destroys more windows finds it sane.
  WindowListener* listener = ListenerOf(window);
  windows_.erase(window);
  if (window == grab_window_) grab_window_ = 0;
  if (window == pointer_grab_) pointer_grab_ = 0;
  if (listener != nullptr) listener->OnDestroyed();
}

}  // namespace corvane::platform::win32
