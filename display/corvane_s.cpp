#include "display/corvane_s.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/command_line.h"
#include "core/shared_state.h"
#include "display/strip_motion.h"
#include "gfx/ascii.h"
#include "music/cd_player.h"
#include "music/file_player.h"
#include "os/event_loop.h"
#include "os/power.h"
#include "os/runtime.h"
#include "os/service.h"
#include "os/warn.h"
#include "winapi/gdi32.h"
#include "winapi/user32.h"

namespace corvane {

using platform::Service;

namespace {

constexpr const char* kCaption = "Corvane_Main";

// The music file's type: its last three characters, upper-cased. A shorter name is its own type.
std::string MusicFileType(const std::string& file) {
  return gfx::AsciiUpper(file.size() > 3 ? file.substr(file.size() - 3) : file);
}

}  // namespace

Corvane_S::Corvane_S() : Corvane_S(local_clock_, own_random_) {}

Corvane_S::Corvane_S(TimeOfDay& clock, RandomNumbers& random)
    : Form(kCaption, platform::BorderStyle::kNone), clock_(clock), random_(random) {
  SetOverlay(true);
  // Display covers the form: a screen-sized image of the form's own would never be seen.
  SetAutoRedraw(false);
  for (int index = 0; index <= 2; ++index) {
    // The work surfaces are never seen: Display covers the form.
    Master.Load(index, this).SetVisible(false);
  }
  on_load = [this] { Form_Load(); };
  on_unload = [] {
    // From now on an end request needs no music stopped: the loop just ends.
    Service<platform::EventLoop>::Get().SetEndRequestHandler(nullptr);
    Service<platform::PowerService>::Get().SetMonitorHandler(nullptr);
  };
  on_key_down = [this](int key_code, int shift) { Form_KeyDown(key_code, shift); };
  // The saver ends at the press: a release may belong to a click made before it started.
  Display.on_mouse_down = [this](const platform::MouseArgs&) { Display_Click(); };
  // While the grab holds, a press may be reported to the form itself rather than to the picture
  // that covers all of it; it is still a press on the display.
  on_mouse_down = [this](const platform::MouseArgs&) { Display_Click(); };
  Timer1.on_timer = [this] { Timer1_Timer(); };
  Timer2.on_timer = [this] { Timer2_Timer(); };
  Timer3.on_timer = [this] { Timer3_Timer(); };
}

Corvane_S::~Corvane_S() { Unload(); }

void Corvane_S::LoadEffectLibrary() {
  if (effect_) return;
  const std::string path =
      Service<platform::Runtime>::Get().ProgramFolder() + "/" + platform::EffectLibrary::kFileName;
  effect_ = platform::EffectLibrary::Load(path);
  if (!effect_) {
    platform::Warn("cannot load %s; the strip is shown without its effect", path.c_str());
  }
}

void Corvane_S::Form_Load() {
  using namespace platform;
  LoadEffectLibrary();
  // A request to end (SIGTERM from an idle host) ends the saver as a key press would.
  Service<EventLoop>::Get().SetEndRequestHandler([this] { EndScreenSaver(); });

  if (host_) {
    if (!EnterHost()) {
      Warn("the host's window 0x%x is gone", static_cast<unsigned>(*host_));
      EndScreenSaver();
      return;
    }
  } else {
    CoverScreen();
  }

  StripPhase = 0;
  StripForward = kStripTrue;
  StripLeft = StripStartLeft(TwipsPerPixelX());
  StripVariant = DrawStripVariant(clock_, random_);

  StartMusic();

  // The form is an overlay over the whole screen, or a child of the host's window: either way it
  // has no minimised or maximised state to leave. Only the overlay keeps itself on top; the host
  // stacks its own window.
  Show(ShowMode::kModeless);
  if (!host_) {
    API_Result =
        SetWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove | kSwpNoActivate);
  }

  // The work surfaces and the copy of the capture that the ticks restore from. They are made
  // only now, after the screen is covered: on a large screen each whole-screen pass is a
  // noticeable delay, and no tick needs them before Timer3 runs.
  Master(0).Move(0, 0, ScaleWidth(), ScaleHeight());
  Master(1).Move(0, 0, kStripTwips, ScaleHeight());
  Master(2).Move(0, 0, kStripTwips, ScaleHeight());
  // The ticks restore from Master(0)'s image, so the capture is copied straight into it: kept as
  // its picture too, it would be one more copy of the screen for nothing.
  API_Result = BitBlt(Master(0).hDC(), 0, 0, CopyExtent(Display.ScaleWidth()),
                      CopyExtent(Display.ScaleHeight()), Display.hDC(), 0, 0, kSrcCopy);
  Timer3.SetEnabled(true);
  // While the monitor is off no frame can be seen: the animation rests and the music plays on.
  Service<PowerService>::Get().SetMonitorHandler([this](bool on) { Timer3.SetEnabled(on); });
}

void Corvane_S::HostIn(platform::HWND host) {
  host_ = host;
  // The host holds the keyboard and the pointer and stacks its own window.
  SetOverlay(false);
}

void Corvane_S::CoverScreen() {
  using namespace platform;
  // Size and place the form over the whole screen; the work surfaces follow once it is shown.
  SizeTo(ScreenSizePixels());

  // Capture the desktop before the form is shown. Should the screen not be readable, Display
  // keeps its black and the strip sweeps over that.
  const HWND desktop = GetDesktopWindow();
  const HDC screen_dc = GetDC(desktop);
  API_Result = BitBlt(Display.hDC(), 0, 0, CopyExtent(Display.ScaleWidth()),
                      CopyExtent(Display.ScaleHeight()), screen_dc, 0, 0, kSrcCopy);
  API_Result = ReleaseDC(desktop, screen_dc);
}

void Corvane_S::SizeTo(platform::Size pixels) {
  Move(0, 0, pixels.width * static_cast<double>(platform::TwipsPerPixelX()),
       pixels.height * static_cast<double>(platform::TwipsPerPixelY()));
  Display.Move(0, 0, ScaleWidth(), ScaleHeight());
}

bool Corvane_S::EnterHost() {
  using namespace platform;
  Rect host_rect;
  if (GetWindowRect(*host_, &host_rect) == 0 || SetParent(hWnd(), *host_) == 0) return false;
  SizeTo(Size{host_rect.Width(), host_rect.Height()});
  // The host covered the screen before starting the saver, so the screen itself would read black;
  // without the host's picture Display keeps its black.
  API_Result = CopyHostPicture(Display.hDC(), *host_);
  return true;
}

void Corvane_S::StartMusic() {
  if (BGM_Kind == 1) {
    // Play begins at the first poll, when it finds the disc stopped.
    CdOpen();
    Timer2.SetEnabled(true);
  } else if (BGM_Kind == 2) {
    const std::string type = MusicFileType(BGM_File);
    // A wave file loops by itself and needs no timer.
    if (type == "WAV") WavStart();
    if (type == "MP3") {
      Mp3Start();
      Timer1.SetEnabled(true);
    }
  }
}

// Under a host the input is the host's to judge: it ends the saver itself.
void Corvane_S::Form_KeyDown(int, int) {
  if (!host_) EndScreenSaver();
}

void Corvane_S::Display_Click() {
  if (!host_) EndScreenSaver();
}

void Corvane_S::Timer1_Timer() { Mp3Repeat(); }

void Corvane_S::Timer2_Timer() {
  CdPoll();
  // A poll that met trouble was the last one.
  Timer2.SetEnabled(CD_PollEnabled != 0);
}

void Corvane_S::EndScreenSaver() {
  if (ending_) return;
  ending_ = true;
  // Once the poll has switched itself off the CD device is left as it is: it may not even exist.
  if (Timer2.Enabled()) {
    Timer2.SetEnabled(false);
    CdStop();
  }
  if (BGM_Kind == 2) {
    const std::string type = MusicFileType(BGM_File);
    if (type == "WAV") WavStop();
    if (type == "MP3") {
      Timer1.SetEnabled(false);
      Mp3Stop();
    }
  }
  // Start-up hid the pointer only in full-screen mode; with an empty command line it stayed.
  if (ModeLetter(ArgumentText()) == 'S') Cursor_HideCount = platform::ShowCursor(1);
  Unload();
  Service<platform::EventLoop>::Get().Quit(0);
}

}  // namespace corvane
