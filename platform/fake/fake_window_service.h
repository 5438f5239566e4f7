#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "os/event_loop.h"
#include "os/window.h"

namespace corvane::platform::fake {

// Offscreen windows: they keep what was presented to them, can be found, moved and reparented,
// and receive input that the test scripts in screen coordinates. Pointer input follows the rules
// of the real backend: the deepest visible window under the pointer gets it, and while a button
// is held everything goes to the window that got the press, crossings wait until the release, and
// motion reports the buttons held. Showing a top-level window gives it the focus, as a window
// manager does.
class FakeWindowService final : public WindowService {
 public:
  struct Window {
    HWND parent = 0;
    Rect bounds;  // Relative to the parent, or the screen.
    WindowFrame frame = WindowFrame::kNormal;
    std::string caption;
    bool visible = false;
    bool topmost = false;
    bool foreign = false;
    bool grabbed = false;
    int close_requests = 0;  // For foreign windows: WM_CLOSE requests received.
    WindowListener* listener = nullptr;
    gfx::Surface presented;  // What the window shows, window-sized, black until presented.
  };

  explicit FakeWindowService(EventLoop& loop) : loop_(loop) {}

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
  void ReleasePointer() override { pointer_grab_ = 0; }
  bool Exists(HWND window) override { return windows_.count(window) != 0; }
  Rect ScreenRect(HWND window) override;
  HWND Parent(HWND window) override;
  HWND Owner(HWND) override { return 0; }
  HWND FindTopLevel(std::string_view caption) override;
  HWND WindowFromPoint(Point screen) override;
  bool RequestClose(HWND window) override;
  bool PointerPosition(Point& screen) override;
  HWND Desktop() override { return kDesktop; }
  Size ScreenSize() override { return screen_size_; }
  double Dpi() override { return dpi_; }
  std::optional<gfx::Surface> CreateImage(int width, int height) override {
    return gfx::Surface::Create(width, height);
  }
  void ReleaseImage(const gfx::Surface&) override { ++released_images; }
  void Present(HWND window, const gfx::Surface& surface, const Rect& area) override;
  void AnimateOutline(const Rect& from, const Rect& to) override;

  static constexpr HWND kDesktop = 0x000001E0;

  // How many images were given back, so that tests can see none is kept.
  int released_images = 0;

  // Test controls.
  void SetScreen(Size size, double dpi) {
    screen_size_ = size;
    dpi_ = dpi;
  }
  HWND AddForeignWindow(const Rect& bounds, std::string caption, HWND parent = 0);
  // Destroys a foreign window; our windows inside it are told OnDestroyed.
  void DestroyForeign(HWND window);
  Window* Find(HWND window);
  HWND Focused() const { return focus_; }
  const std::vector<std::pair<Rect, Rect>>& Animations() const { return animations_; }
  // Called with "show", "topmost", "grab" or "destroy" and the window before that call takes
  // effect, so a test can put what a user notices in order with the other services' calls.
  void SetCallHook(std::function<void(std::string_view call, HWND window)> hook) {
    hook_ = std::move(hook);
  }
  // The pixel that the screen shows at a point: the presented pixel of the window on top there.
  std::optional<gfx::Pixel> ScreenPixel(Point screen);

  void PressAt(Point screen, int button, int shift = 0);
  void ReleaseAt(Point screen, int button, int shift = 0);
  void MoveTo(Point screen);
  void ClickAt(Point screen, int button = kLeftButton);
  void WheelAt(Point screen, int steps);
  // To the focused window (or the grab window).
  void Key(int key_code, int shift = 0, std::string text = {});
  // Types ASCII text a key per character, as a US layout would: letters with their key code.
  void Type(std::string_view ascii);
  HWND PointerGrab() const { return pointer_grab_; }

 private:
  bool Viewable(HWND window);
  void Forget(HWND window, std::vector<WindowListener*>* vanished);
  void Report(std::string_view call, HWND window) {
    if (hook_) hook_(call, window);
  }
  MouseEvent MouseFor(HWND window, Point screen, int button, int shift);
  // The window that gets pointer input at a point: a grab's window, else the one under it.
  HWND PointerTarget(Point screen);
  // Tells the windows the pointer left and entered when the one under it changed.
  void Cross(HWND under);
  std::vector<HWND> ChildrenTopFirst(HWND parent);

  EventLoop& loop_;
  std::map<HWND, Window> windows_;
  std::vector<HWND> stacking_;  // Bottom to top, among all windows.
  HWND next_id_ = 0x00400001;
  HWND focus_ = 0;
  HWND capture_ = 0;
  HWND hover_ = 0;
  HWND grab_ = 0;
  HWND pointer_grab_ = 0;
  int held_ = kNoButton;  // Buttons held, as motion reports them.
  Point pointer_;
  Size screen_size_{1024, 768};
  double dpi_ = 96.0;
  std::vector<std::pair<Rect, Rect>> animations_;
  std::function<void(std::string_view, HWND)> hook_;
};

}  // namespace corvane::platform::fake
