#include "toolkit/control.h"

#include "toolkit/form.h"
#include "toolkit/windowed_control.h"

namespace corvane::platform {

Control::Control(WindowedControl* container) : container_(container) {
  if (container_ != nullptr) container_->Adopt(this);
  if (Form* owner = form()) owner->Register(this);
}

Control::~Control() {
  if (Form* owner = form()) owner->Unregister(this);
  if (container_ != nullptr) container_->Release(this);
}

Form* Control::form() const {
  const Control* control = this;
  while (control->container_ != nullptr) control = control->container_;
  return dynamic_cast<Form*>(const_cast<Control*>(control));
}

ScaleMode Control::ContainerScale() const {
  return container_ != nullptr ? container_->scale_mode() : ScaleMode::kTwips;
}

double Control::Left() const { return FromPixelsX(bounds_.left, ContainerScale()); }
double Control::Top() const { return FromPixelsY(bounds_.top, ContainerScale()); }
double Control::Width() const { return FromPixelsX(bounds_.Width(), ContainerScale()); }
double Control::Height() const { return FromPixelsY(bounds_.Height(), ContainerScale()); }

void Control::SetLeft(double left) { Move(left, Top(), Width(), Height()); }
void Control::SetTop(double top) { Move(Left(), top, Width(), Height()); }
void Control::SetWidth(double width) { Move(Left(), Top(), width, Height()); }
void Control::SetHeight(double height) { Move(Left(), Top(), Width(), height); }

void Control::Move(double left, double top, double width, double height) {
  const ScaleMode mode = ContainerScale();
  const int x = ToPixelsX(left, mode);
  const int y = ToPixelsY(top, mode);
  // Sizes below zero are not sizes; they leave the control empty.
  const int w = std::max(ToPixelsX(width, mode), 0);
  const int h = std::max(ToPixelsY(height, mode), 0);
  SetBounds(Rect{x, y, x + w, y + h});
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  BoundsChanged();
  if (container_ != nullptr && !HasWindow()) container_->ChildChanged();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibilityChanged();
  Invalidate();
  if (Form* owner = form()) owner->FocusMayHaveGone();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Invalidate();
  if (Form* owner = form()) owner->FocusMayHaveGone();
}

void Control::SetMousePointer(PointerShape shape) {
  mouse_pointer_ = shape;
  if (Form* owner = form()) owner->PointerShapeChanged(this);
}

void Control::SetMouseIcon(const CustomCursor& icon) {
  mouse_icon_ = icon;
  SetMousePointer(PointerShape::kCustom);
}

bool Control::Focusable() const {
  if (!CanFocus()) return false;
  for (const Control* c = this; c->container_ != nullptr; c = c->container_) {
    if (!c->visible_ || !c->enabled_) return false;
  }
  return form() != nullptr;
}

bool Control::TakesInput() const {
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void Control::SetFocus() {
  if (Form* owner = form()) owner->FocusControl(this);
}

void Control::Invalidate() {
  if (container_ != nullptr && !HasWindow()) container_->ChildChanged();
}

MouseArgs Control::ArgsFor(const MouseEvent& event, ScaleMode mode) const {
  return MouseArgs{event.button, event.shift, static_cast<float>(FromPixelsX(event.x, mode)),
                   static_cast<float>(FromPixelsY(event.y, mode))};
}

void Control::HandleMouseDown(const MouseEvent& event, ScaleMode mode) {
  pressed_button_ = event.button;
  if (on_mouse_down) on_mouse_down(ArgsFor(event, mode));
}

void Control::HandleMouseUp(const MouseEvent& event, ScaleMode mode) {
  const bool click = pressed_button_ == event.button && event.x >= 0 && event.y >= 0 &&
                     event.x < bounds_.Width() && event.y < bounds_.Height();
  pressed_button_ = 0;
  if (on_mouse_up) on_mouse_up(ArgsFor(event, mode));
  if (click && on_click) on_click();
}

void Control::HandleMouseMove(const MouseEvent& event, ScaleMode mode) {
  if (on_mouse_move) on_mouse_move(ArgsFor(event, mode));
}

}  // namespace corvane::platform
