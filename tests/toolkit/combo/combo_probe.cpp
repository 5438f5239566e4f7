// A form with the repeat combo box and a push button on the X11 backend, for the picture of the
// open list (tools/combo-snapshot.sh). It writes the box's state whenever it changes:
// "text=<text> index=<n> open=<0|1>".
//
//   combo_probe [--open]    --open drops the list down at start, as F4 would.
#include <cstdio>
#include <string>
#include <string_view>

#include "controls/command/command.h"
#include "os/event_loop.h"
#include "os/font_loader.h"
#include "os/service.h"
#include "platform/fonts/system_font_loader.h"
#include "platform/x11/platform.h"
#include "toolkit/combo/combo_box.h"
#include "toolkit/form.h"
#include "winapi/user32.h"

using namespace corvane;
using namespace corvane::platform;

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // Each report reaches the test at once.
  const bool open = argc > 1 && std::string_view(argv[1]) == "--open";
  auto platform = x11::X11Platform::Open();
  if (!platform) return 1;
  SystemFontLoader fonts;
  ScopedService<gfx::FontLoader> font_service(fonts);
  Form form("combo", BorderStyle::kNone);
  form.SetScaleMode(ScaleMode::kPixels);
  form.Move(50 * TwipsPerPixelX(), 50 * TwipsPerPixelY(), 200 * TwipsPerPixelX(),
            100 * TwipsPerPixelY());
  form.SetBackColor(gfx::Rgb(192, 192, 192));
  ComboBox combo(&form);
  combo.SetBounds(Rect{20, 20, 61, 40});
  controls::Command button(&form, "OK");
  button.SetBounds(Rect{100, 18, 165, 43});
  form.SetStoredInstances({{"OK", {}}});
  form.on_load = [&] {
    button.Initialize();
    button.SetCaption("OK");
    combo.SetText("");
    for (int i = 0; i <= 30; ++i) combo.AddItem(i == 0 ? "" : std::to_string(i));
  };
  form.Show();
  if (open) {
    combo.SetFocus();
    form.DispatchKeyDown(KeyEvent{kVkF1 + 3});
  }
  std::string last;
  platform->loop().StartTimer(20, [&] {
    const std::string state = "text=" + combo.Text() +
                              " index=" + std::to_string(combo.ListIndex()) +
                              " open=" + (combo.ListOpen() ? "1" : "0");
    if (state != last) std::puts((last = state).c_str());
  });
  platform->loop().RunUntil([] { return false; });
  return platform->loop().ExitCode();
}
