// A form with two hosted buttons on the X11 backend, for the end-to-end test: it reports on stdout
// every focus change, pointer crossing and click the buttons receive.
#include <cstdio>
#include <string>

#include "controls/command/command.h"
#include "platform/api/user32.h"
#include "platform/forms/form.h"
#include "platform/service.h"
#include "platform/x11/platform.h"

using namespace corvane;
using namespace corvane::platform;

namespace {

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

class ReportingCommand : public controls::Command {
 public:
  using Command::Command;

 protected:
  void FocusChanged(bool gained) override {
    Say("focus " + Name() + (gained ? " +" : " -"));
    Command::FocusChanged(gained);
  }
  void PointerCrossed(bool entered) override { Say((entered ? "enter " : "leave ") + Name()); }
};

}  // namespace

int main() {
  auto platform = x11::X11Platform::Open();
  if (!platform) return 1;
  Form form("hosted", BorderStyle::kNone);
  form.SetScaleMode(ScaleMode::kPixels);
  form.Move(50 * TwipsPerPixelX(), 50 * TwipsPerPixelY(), 200 * TwipsPerPixelX(),
            100 * TwipsPerPixelY());
  ReportingCommand a(&form, "A");
  ReportingCommand b(&form, "B");
  a.SetBounds(Rect{10, 10, 75, 35});
  b.SetBounds(Rect{100, 10, 165, 35});
  a.on_click = [] { Say("click A"); };
  b.on_click = [] { Say("click B"); };
  form.SetStoredInstances({{"A", {}}, {"B", {}}});
  form.on_load = [&] {
    for (Control* control : form.Controls()) {
      if (auto* button = dynamic_cast<controls::Command*>(control)) button->Initialize();
    }
  };
  form.Show();
  Say("ready");
  platform->loop().RunUntil([] { return false; });
  return platform->loop().ExitCode();
}
