// A program on the X11 backend with the desktop's file chooser, driven by the end-to-end test
// under Xvfb. Its first argument is the folder that alone makes up PATH, so that the stand-in the
// test wrote there is all it finds; no session bus is reachable. The chooser runs over a shown
// form whose 100 ms timer reports each tick, then the answer is reported; an optional third
// argument asks that many times in a row.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "os/service.h"
#include "platform/desktop/desktop_file_chooser.h"
#include "platform/x11/platform.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "winapi/comdlg32.h"
#include "winapi/user32.h"

using namespace corvane::platform;

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // Each report reaches the test at once.
  if (argc < 3) return 2;
  setenv("PATH", argv[1], 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
  auto platform = x11::X11Platform::Open();
  if (!platform) return 1;
  DesktopFileChooser chooser(platform->loop());
  ScopedService<FileChooser> service(chooser);
  Form form("owner");
  form.Move(0, 0, 100 * TwipsPerPixelX(), 80 * TwipsPerPixelY());
  form.Show();
  Timer ticker(&form, 100, true);
  ticker.on_timer = [] { std::puts("tick"); };
  for (int ask = argc > 3 ? std::atoi(argv[3]) : 1; ask > 0; --ask) {
    std::string file(255, '\0');
    OPENFILENAMEA request{.hwndOwner = form.hWnd(),
                          .lpstrFilter = "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0",
                          .lpstrFile = file.data(),
                          .nMaxFile = 255,
                          .lpstrInitialDir = argv[2],
                          .lpstrTitle = "ﾌｧｲﾙを開く"};
    const int result = GetOpenFileNameA(&request);
    std::puts(("result " + std::to_string(result) + " " + file.c_str()).c_str());
  }
  return 0;
}
