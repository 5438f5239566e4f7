#include "platform/x11/platform.h"

#include <cstdio>
#include <string>

#include "os/service.h"
#include "os/warn.h"

namespace corvane::platform::x11 {

std::unique_ptr<X11Platform> X11Platform::Open() {
  auto signals = std::make_unique<EndSignals>();
  std::string error;
  auto display = X11Display::Open(&error);
  if (!display) {
    Warn("%s", error.c_str());
    return nullptr;
  }
  return std::unique_ptr<X11Platform>(new X11Platform(std::move(signals), std::move(display)));
}

X11Platform::X11Platform(std::unique_ptr<EndSignals> signals, std::unique_ptr<X11Display> display)
    : signals_(std::move(signals)), display_(std::move(display)) {
  loop_ = std::make_unique<X11EventLoop>(*display_, *signals_);
  windows_ = std::make_unique<X11WindowService>(*display_, *loop_);
  loop_->SetDispatcher([this](XEvent& event) { windows_->Dispatch(event); });
  cursor_ = std::make_unique<X11CursorService>(*display_, *windows_);
  capture_ = std::make_unique<X11CaptureService>(*display_, windows_->presenter());
  power_ = std::make_unique<X11PowerService>(*display_, *loop_);
  previous_loop_ = Service<EventLoop>::Install(loop_.get());
  previous_windows_ = Service<WindowService>::Install(windows_.get());
  previous_cursor_ = Service<CursorService>::Install(cursor_.get());
  previous_capture_ = Service<CaptureService>::Install(capture_.get());
  previous_power_ = Service<PowerService>::Install(power_.get());
}

X11Platform::~X11Platform() {
  Service<PowerService>::Install(previous_power_);
  Service<CaptureService>::Install(previous_capture_);
  Service<CursorService>::Install(previous_cursor_);
  Service<WindowService>::Install(previous_windows_);
  Service<EventLoop>::Install(previous_loop_);
  power_.reset();
  capture_.reset();
  cursor_.reset();
  windows_.reset();
  loop_.reset();
}

}  // namespace corvane::platform::x11
