#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "os/window.h"

namespace corvane::platform::win32 {

// Windows through user32 and gdi32. A handle is the system's window handle; our own windows are
// of one registered class and carry a listener, foreign ones are only queried. The system destroys
// our children with a foreign parent by itself, so no watch is needed for OnDestroyed.
//
// Keys arrive as WM_KEYDOWN with the characters they typed in the WM_CHAR messages that the event
// loop's TranslateMessage posts right behind them: the loop must translate before it dispatches.
class Win32WindowService final : public WindowService {
 public:
  // end_requested runs when the session ends (log-off or shutdown), so that the event loop winds
  // the program down.
  explicit Win32WindowService(std::function<void()> end_requested);
  ~Win32WindowService() override;
  Win32WindowService(const Win32WindowService&) = delete;
  Win32WindowService& operator=(const Win32WindowService&) = delete;

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
  HWND Desktop() override;
  Size ScreenSize() override;
  double Dpi() override;

  std::optional<gfx::Surface> CreateImage(int width, int height) override;
  void ReleaseImage(const gfx::Surface&) override {}
  void Present(HWND window, const gfx::Surface& surface, const Rect& area) override;
  void AnimateOutline(const Rect& from, const Rect& to) override;

  // The pointer over the client areas of our windows (an HCURSOR; null shows none).
  void SetCursor(void* cursor);

  // The window procedure's work for one message to a window of ours. False leaves the message to
  // the system's default handling.
  bool HandleMessage(HWND window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                     std::intptr_t& result);

 private:
  struct OwnWindow {
    WindowListener* listener = nullptr;
    bool tracking_leave = false;  // The system reports when the pointer leaves.
    bool pointer_inside = false;  // As last reported to the listener.
    int wheel_remainder = 0;      // Wheel movement short of a whole notch.
    // The place and buttons of the last move reported, while the pointer stays inside.
    std::pair<std::intptr_t, std::uintptr_t> last_move{-1, 0};
  };

  bool IsOwn(HWND window) const { return windows_.count(window) != 0; }
  WindowListener* ListenerOf(HWND window) const;
  void TryGrab();
  bool HandleInput(HWND window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
  void KeyDown(HWND window, std::uintptr_t virtual_key);
  void CharacterAlone(HWND window, wchar_t unit);
  void PointerMoved(HWND window);
  void PointerMayHaveLeft(HWND window);
  void Wheel(HWND window, std::uintptr_t wparam, std::intptr_t lparam);
  void Paint(HWND window);
  void Gone(HWND window);

  std::function<void()> end_requested_;
  std::unordered_map<HWND, OwnWindow> windows_;
  void* cursor_ = nullptr;
  HWND grab_window_ = 0;
  int grab_attempts_ = 0;
  HWND pointer_grab_ = 0;  // A drop-down's hold on the pointer alone.
  wchar_t pending_high_surrogate_ = 0;
};

}  // namespace corvane::platform::win32
