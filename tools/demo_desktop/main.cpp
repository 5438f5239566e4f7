// corvane_demo_desktop: puts a made-up desktop on the X display for the saver to capture and
// sweep across: a backdrop over the whole screen and real top-level windows with text and colour.
// It prints "ready" once every window is on the screen, and stays until it is ended (SIGTERM or
// SIGINT, or the server going away).
//
//   corvane_demo_desktop

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "os/event_loop.h"
#include "os/font_loader.h"
#include "os/service.h"
#include "os/window.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/x11/platform.h"
#include "tools/demo_desktop/desktop_layers.h"

namespace {

using corvane::platform::HWND;
using corvane::platform::Rect;
using corvane::platform::WindowService;

// One window of the desktop: shows its pixels whenever the server asks for them, and reports the
// first time it is asked, which is when it has become visible.
class LayerWindow : public corvane::platform::WindowListener {
 public:
  LayerWindow(const corvane::gfx::Surface& pixels, int* still_hidden)
      : pixels_(pixels), still_hidden_(still_hidden) {}

  void Open(const Rect& bounds, const char* caption) {
    corvane::platform::WindowDesc desc;
    desc.bounds = bounds;
    // The windows draw their own title bars; a window manager's would come on top of them.
    desc.frame = corvane::platform::WindowFrame::kBorderless;
    desc.caption = caption;
    handle_ = Windows().Create(desc, this);
    if (handle_ != 0) Windows().Show(handle_);
  }
  HWND handle() const { return handle_; }

  void OnExpose(const Rect& area) override {
    Windows().Present(handle_, pixels_, area);
    if (!exposed_) {
      exposed_ = true;
      --*still_hidden_;
    }
  }

 private:
  static WindowService& Windows() { return corvane::platform::Service<WindowService>::Get(); }

  const corvane::gfx::Surface& pixels_;
  int* still_hidden_;
  HWND handle_ = 0;
  bool exposed_ = false;
};

}  // namespace

int main() {
  std::unique_ptr<corvane::platform::x11::X11Platform> x11 =
      corvane::platform::x11::X11Platform::Open();
  if (!x11) return 1;  // Open has said why on stderr.
  WindowService& windows = corvane::platform::Service<WindowService>::Get();
  corvane::platform::EventLoop& loop =
      corvane::platform::Service<corvane::platform::EventLoop>::Get();

  const corvane::platform::Size screen = windows.ScreenSize();
  corvane::platform::SystemFontLoader fonts;
  std::optional<corvane::DesktopLayers> layers =
      corvane::MakeDesktopLayers(screen.width, screen.height, fonts);
  if (!layers) {
    std::fprintf(stderr, "corvane_demo_desktop: cannot draw a %d x %d desktop\n", screen.width,
                 screen.height);
    return 1;
  }

  // Created back to front: without a window manager, later windows stack above earlier ones.
  int still_hidden = static_cast<int>(layers->windows.size()) + 1;
  std::vector<std::unique_ptr<LayerWindow>> shown;
  shown.push_back(std::make_unique<LayerWindow>(layers->backdrop, &still_hidden));
  shown.back()->Open({0, 0, screen.width, screen.height}, "Desktop");
  for (const corvane::DesktopWindowLayer& layer : layers->windows) {
    shown.push_back(std::make_unique<LayerWindow>(layer.pixels, &still_hidden));
    const corvane::gfx::Rect& b = layer.bounds;
    shown.back()->Open({b.left, b.top, b.right, b.bottom}, layer.caption.c_str());
  }
  for (const auto& window : shown) {
    if (window->handle() == 0) {
      std::fprintf(stderr, "corvane_demo_desktop: the X server refused a window\n");
      return 1;
    }
  }

  if (!loop.RunUntil([&] { return still_hidden == 0; })) return loop.ExitCode();
  // A query waits for the server's answer, and the server answers in order: once it has, every
  // picture sent before is on the screen for whoever reads it next.
  windows.ScreenRect(shown.front()->handle());
  std::printf("ready %d x %d, %zu windows\n", screen.width, screen.height, layers->windows.size());
  std::fflush(stdout);

  loop.RunUntil([] { return false; });
  return loop.ExitCode();
}
