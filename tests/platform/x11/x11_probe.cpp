// A small program on the X11 backend that the end-to-end tests drive: each mode does one thing a
// form of the program does and reports on stdout.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "os/capture.h"
#include "os/service.h"
#include "platform/x11/platform.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "winapi/user32.h"

using namespace corvane::platform;

namespace {

int Run(EventLoop& loop) {
  loop.RunUntil([] { return false; });
  return loop.ExitCode();
}
}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // Each report reaches the test at once.
  auto platform = x11::X11Platform::Open();
  if (!platform) return 1;
  const std::string mode = argc > 1 ? argv[1] : "";
  EventLoop& loop = platform->loop();

  if (mode == "child") {  // child <host id>: a preview form inside a foreign window.
    const HWND host = static_cast<HWND>(std::strtoul(argc > 2 ? argv[2] : "0", nullptr, 10));
    Rect rect;
    GetWindowRect(host, &rect);
    Form preview("Preview Window", BorderStyle::kNone);
    preview.Load();
    SetWindowLongA(preview.hWnd(), kGwlStyle, GetWindowLongA(preview.hWnd(), kGwlStyle) | kWsChild);
    SetParent(preview.hWnd(), host);
    preview.Move(0, 0, rect.Width() * TwipsPerPixelX(), rect.Height() * TwipsPerPixelY());
    preview.Show();
    std::puts(
        ("ready " + std::to_string(rect.Width()) + "x" + std::to_string(rect.Height())).c_str());
    return Run(loop);
  }
  if (mode == "present") {  // present <x> <y> <w> <h>: a pattern, drawn through the hDC.
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    Form form("present", BorderStyle::kNone);
    form.SetScaleMode(ScaleMode::kPixels);
    form.Move(x * TwipsPerPixelX(), y * TwipsPerPixelY(), w * TwipsPerPixelX(),
              h * TwipsPerPixelY());
    PictureBox box(&form);
    box.SetBounds(Rect{0, 0, w, h});
    form.Show();
    corvane::gfx::Surface* image = &box.Image();
    for (int row = 0; row < h; ++row) {
      for (int col = 0; col < w; ++col)
        image->Row(row)[col] = (col * 5) << 16 | (row * 7) << 8 | 0x5A;
    }
    box.Refresh();
    std::puts("ready");
    return Run(loop);
  }
  if (mode == "capture") {  // capture <x> <y> <w> <h> <dx> <dy>: the screen into a grey surface.
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const int dx = std::atoi(argv[6]), dy = std::atoi(argv[7]);
    std::optional<corvane::gfx::Surface> surface = corvane::gfx::Surface::Create(dx + w, dy + h);
    surface->Fill(0x808080);
    const bool read =
        Service<CaptureService>::Get().CaptureScreen(Rect{x, y, x + w, y + h}, *surface, dx, dy);
    // The surface, row by row, as hexadecimal pixels: the test compares them with the screen.
    std::printf("%s", read ? "read" : "failed");
    for (int row = 0; row < surface->height(); ++row) {
      for (int col = 0; col < surface->width(); ++col) std::printf(" %x", surface->Row(row)[col]);
    }
    std::puts("");
    return 0;
  }
  std::fprintf(stderr, "x11_probe: unknown mode '%s'\n", mode.c_str());
  return 2;
}
