#include "platform/win32/window_service.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

namespace corvane::platform::win32 {

namespace {
constexpr UINT kGrabRetryMs = 100;
constexpr int kGrabAttempts = 50;

struct Styles {
  DWORD style = 0;
  DWORD ex_style = 0;
};

Styles StylesFor(const WindowDesc& desc) {
  if (desc.parent != 0) return {WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0};
  constexpr DWORD kTopLevel = WS_POPUP | WS_CLIPCHILDREN;
  switch (desc.frame) {
    case WindowFrame::kNormal:
      // The program's forms keep the size they are given: a fixed frame.
      return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
              WS_EX_APPWINDOW};
    case WindowFrame::kBorderless:
      return {kTopLevel, 0};
    case WindowFrame::kOverlay:
      return {kTopLevel, WS_EX_TOPMOST | WS_EX_TOOLWINDOW};
    case WindowFrame::kPopup:
      return {kTopLevel, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE};
  }
  return {kTopLevel, 0};
}

// Bounds name the area the program draws in; a captioned window's frame lies around it, as a
// window manager's frame does on the other systems.
RECT OuterRect(const Rect& bounds, DWORD style, DWORD ex_style) {
  RECT outer{bounds.left, bounds.top, bounds.left + std::max(bounds.Width(), 1),
             bounds.top + std::max(bounds.Height(), 1)};
  if ((style & WS_CHILD) == 0) AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  return outer;
}
}  // namespace

Win32WindowService::Win32WindowService(std::function<void()> end_requested)
    : end_requested_(std::move(end_requested)), cursor_(LoadCursorW(nullptr, IDC_ARROW)) {}

Win32WindowService::~Win32WindowService() {
  std::vector<HWND> own;
  for (auto& [window, state] : windows_) {
    state.listener = nullptr;
    own.push_back(window);
  }
  // Children go with their top-level window; what is left by then lives in a foreign window.
  for (HWND window : own) {
    if (IsOwn(window)) DestroyWindow(ToNative<::HWND>(window));
  }
}

HWND Win32WindowService::Create(const WindowDesc& desc, WindowListener* listener) {
  ::HWND parent = nullptr;
  if (desc.parent != 0) {
    parent = ToNative<::HWND>(desc.parent);
    if (!IsWindow(parent)) return 0;
  }
  const Styles styles = StylesFor(desc);
  const RECT outer = OuterRect(desc.bounds, styles.style, styles.ex_style);
  const ::HWND created =
      CreateWindowExW(styles.ex_style, OwnWindowClass(), Widen(desc.caption).c_str(), styles.style,
                      outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                      parent, nullptr, GetModuleHandleW(nullptr), this);
  if (created == nullptr) return 0;
  const HWND window = FromNative(created);
  windows_[window] = OwnWindow{listener};
  return window;
}

void Win32WindowService::Destroy(HWND window) {
  if (!IsOwn(window)) return;
  // Ours inside it go too, and none of them was destroyed by somebody else: silence them all.
  const ::HWND doomed = ToNative<::HWND>(window);
  for (auto& [candidate, state] : windows_) {
    if (candidate == window || IsChild(doomed, ToNative<::HWND>(candidate)))
      state.listener = nullptr;
  }
  DestroyWindow(doomed);
  windows_.erase(window);  // In case it had already gone with a foreign parent.
}

void Win32WindowService::SetCaption(HWND window, std::string_view utf8) {
  if (!IsOwn(window)) return;
  SetWindowTextW(ToNative<::HWND>(window), Widen(utf8).c_str());
}

void Win32WindowService::Show(HWND window) {
  if (!IsOwn(window)) return;
  const ::HWND hwnd = ToNative<::HWND>(window);
  // Shown on top of its siblings. A drop-down and a child never take the activation; a top-level
  // window takes it as a window manager would give it.
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  const bool activate = (style & WS_CHILD) == 0 && (ex_style & WS_EX_NOACTIVATE) == 0;
  SetWindowPos(hwnd, nullptr /* HWND_TOP */, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | (activate ? 0 : SWP_NOACTIVATE));
}

void Win32WindowService::Hide(HWND window) {
  if (!IsOwn(window)) return;
  ShowWindow(ToNative<::HWND>(window), SW_HIDE);
}

void Win32WindowService::Move(HWND window, const Rect& bounds) {
  if (!IsOwn(window)) return;
  const ::HWND hwnd = ToNative<::HWND>(window);
  const RECT outer = OuterRect(bounds, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                               static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowService::MakeTopmost(HWND window) {
  if (!IsOwn(window)) return;
  // HWND_TOPMOST, spelled out: HWND names the program's handle type in this namespace.
  SetWindowPos(ToNative<::HWND>(window), reinterpret_cast<::HWND>(std::intptr_t{-1}), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32WindowService::Reparent(HWND window, HWND new_parent) {
  if (!IsOwn(window)) return false;
  const ::HWND hwnd = ToNative<::HWND>(window);
  const ::HWND parent = new_parent == 0 ? nullptr : ToNative<::HWND>(new_parent);
  if (parent != nullptr && !IsWindow(parent)) return false;
  // The style must say what the window is: a child clips to its parent and moves with it, a
  // top-level window has no frame of its own here.
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  style = parent != nullptr ? (style & ~LONG_PTR{WS_POPUP}) | WS_CHILD
                            : (style & ~LONG_PTR{WS_CHILD}) | WS_POPUP;
  SetWindowLongPtrW(hwnd, GWL_STYLE, style);
  SetLastError(ERROR_SUCCESS);
  if (SetParent(hwnd, parent) == nullptr && GetLastError() != ERROR_SUCCESS) return false;
  // At the parent's origin, as on the other systems.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

void Win32WindowService::GrabInput(HWND window) {
  if (!IsOwn(window)) return;
  grab_window_ = window;
  grab_attempts_ = 0;
  TryGrab();
}

void Win32WindowService::TryGrab() {
  if (!IsOwn(grab_window_)) return;
  const ::HWND hwnd = ToNative<::HWND>(grab_window_);
  // The system refuses the foreground to a program the user is not working with; it may accept a
  // little later (the key that started us is released, a menu closes), so keep asking a while.
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  SetCapture(hwnd);
  const bool done = GetForegroundWindow() == hwnd && GetCapture() == hwnd;
  if (done || ++grab_attempts_ > kGrabAttempts) {
    KillTimer(hwnd, kGrabRetryTimer);
  } else {
    SetTimer(hwnd, kGrabRetryTimer, kGrabRetryMs, nullptr);
  }
}

void Win32WindowService::GiveFocus(HWND window) {
  if (!IsOwn(window)) return;
  const ::HWND hwnd = ToNative<::HWND>(window);
  SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
  SetFocus(hwnd);
}

bool Win32WindowService::GrabPointer(HWND window) {
  if (!IsOwn(window)) return false;
  const ::HWND hwnd = ToNative<::HWND>(window);
  SetCapture(hwnd);
  if (GetCapture() != hwnd) return false;
  pointer_grab_ = window;
  return true;
}

void Win32WindowService::ReleasePointer() {
  if (pointer_grab_ == 0) return;
  if (GetCapture() == ToNative<::HWND>(pointer_grab_)) ReleaseCapture();
  pointer_grab_ = 0;
}

void Win32WindowService::SetCursor(void* cursor) {
  cursor_ = cursor;
  // The pointer changes at once where it is over one of ours, not only when it next moves.
  POINT at{};
  if (!GetCursorPos(&at)) return;
  ::HWND under = ::WindowFromPoint(at);
  if (under == nullptr || !IsOwn(FromNative(under))) return;
  if (SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == HTCLIENT) {
    ::SetCursor(static_cast<HCURSOR>(cursor));
  }
}

}  // namespace corvane::platform::win32
