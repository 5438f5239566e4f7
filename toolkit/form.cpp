#include "toolkit/form.h"

#include <algorithm>

#include "gfx/ascii.h"
#include "os/event_loop.h"
#include "os/service.h"
#include "toolkit/timer.h"
#include "toolkit/user_control.h"

namespace corvane::platform {

namespace {
EventLoop& Loop() { return Service<EventLoop>::Get(); }
}  // namespace

Form::Form(std::string caption, BorderStyle border)
    : WindowedControl(nullptr), caption_(std::move(caption)), border_(border) {
  SetVisible(false);
}

Form::~Form() {
  for (Timer* timer : timers_) timer->owner_ = nullptr;
  if (loaded_) {
    // Destroyed while loaded: no handler runs, but the program's count stays right.
    loaded_ = false;
    Loop().FormUnloaded();
  }
}

int Form::LoadedCount() { return Loop().LoadedForms(); }

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (hWnd() != 0) Service<WindowService>::Get().SetCaption(hWnd(), caption_);
}

WindowDesc Form::Describe() const {
  WindowDesc desc;
  desc.bounds = bounds();
  desc.caption = caption_;
  if (overlay_) {
    desc.frame = WindowFrame::kOverlay;
  } else if (border_ == BorderStyle::kNone) {
    desc.frame = WindowFrame::kBorderless;
  }
  return desc;
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Loop().FormLoaded();
  Realize();
  SiteHostedControls();
  if (on_load) on_load();
}

void Form::Show(ShowMode mode) {
  Load();
  if (!loaded_ || hWnd() == 0) return;
  SetVisible(true);  // Maps the window and presents its image.
  // A full-screen form takes all keyboard and pointer input, so that any key or click reaches
  // it whatever window the user was in.
  if (overlay_) {
    Service<WindowService>::Get().GrabInput(hWnd());
  } else if (mode == ShowMode::kModal) {
    // A modal window asks for the keyboard as it appears, as the message box does; a window
    // manager that maps it itself refuses the request and gives it the focus on its own.
    Service<WindowService>::Get().GiveFocus(hWnd());
  }
  if (mode == ShowMode::kModal) {
    Loop().RunUntil([this] { return !loaded_; });
  }
}

void Form::Hide() { SetVisible(false); }

void Form::Unload() {
  if (!loaded_ || unloading_) return;
  unloading_ = true;
  if (on_unload) on_unload();
  for (Timer* timer : timers_) timer->SetEnabled(false);
  // The window goes without telling: the focus and the pointer leave the controls here.
  OnFocus(false);
  PointerOver(nullptr);
  Unrealize();
  SetVisible(false);
  loaded_ = false;
  unloading_ = false;
  Loop().FormUnloaded();
}

void Form::WindowLost() { Unload(); }

void Form::OnCloseRequest() { Unload(); }

void Form::DispatchKeyDown(const KeyEvent& key) {
  if (!loaded_ || !Visible() || !Enabled()) return;
  if (key.key_code == kVkTab && (key.shift & (kCtrlMask | kAltMask)) == 0) {
    if (Control* next = NextInTabOrder(focus_, (key.shift & kShiftMask) != 0)) {
      FocusControl(next);
      return;
    }
  }
  if (focus_ != nullptr && focus_->HandleKey(key)) return;
  if (on_key_down) on_key_down(key.key_code, key.shift);
}

void Form::SiteHostedControls() {
  for (Control* control : std::vector<Control*>(controls_)) {
    auto* hosted = dynamic_cast<UserControl*>(control);
    if (hosted == nullptr) continue;
    const auto stored = std::ranges::find_if(stored_, [hosted](const StoredInstance& s) {
      return gfx::EqualIgnoringAsciiCase(s.name, hosted->Name());
    });
    hosted->Site(stored != stored_.end() ? &stored->properties : nullptr);
  }
}

void Form::SaveInstances() {
  for (Control* control : controls_) {
    auto* hosted = dynamic_cast<UserControl*>(control);
    if (hosted == nullptr) continue;
    PropertyBag bag = hosted->Save();
    const auto stored = std::ranges::find_if(stored_, [hosted](const StoredInstance& s) {
      return gfx::EqualIgnoringAsciiCase(s.name, hosted->Name());
    });
    if (stored != stored_.end()) {
      stored->properties = std::move(bag);
    } else {
      stored_.push_back({hosted->Name(), std::move(bag)});
    }
  }
}

void Form::AddTimer(Timer* timer) { timers_.push_back(timer); }

void Form::RemoveTimer(Timer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

}  // namespace corvane::platform
