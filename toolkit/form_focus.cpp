// The form's bookkeeping of its controls: their order, the focus owner and the control under the
// pointer.
#include <algorithm>

#include "os/service.h"
#include "toolkit/form.h"

namespace corvane::platform {

namespace {

bool WindowFocusable(const Form& form) { return form.hWnd() != 0 && form.Visible(); }

}  // namespace

void Form::Register(Control* control) { controls_.push_back(control); }

void Form::Unregister(Control* control) {
  std::erase(controls_, control);
  if (focus_ == control) focus_ = nullptr;
  if (hovered_ == control) hovered_ = nullptr;
}

Control* Form::NextInTabOrder(const Control* from, bool backward) const {
  std::vector<Control*> order;
  std::ranges::copy_if(controls_, std::back_inserter(order),
                       [from](Control* c) { return c == from || c->Focusable(); });
  if (backward) std::ranges::reverse(order);
  const auto at = std::ranges::find(order, from);
  // Start after `from`, or at the beginning when nothing has the focus, and wrap around.
  const size_t start = at == order.end() ? 0 : static_cast<size_t>(at - order.begin()) + 1;
  for (size_t i = 0; i < order.size(); ++i) {
    Control* candidate = order[(start + i) % order.size()];
    if (candidate != from) return candidate;
  }
  return nullptr;
}

void Form::SetFocusOwner(Control* control) {
  if (control == focus_) return;
  Control* old = focus_;
  focus_ = control;
  if (!active_) return;
  if (old != nullptr) old->FocusChanged(false);
  // The old owner's handler may have moved the focus on already.
  if (focus_ == control && control != nullptr) control->FocusChanged(true);
}

void Form::FocusControl(Control* control) {
  if (control == nullptr || control->form() != this || !control->Focusable()) return;
  SetFocusOwner(control);
  // As on any desktop, a click into an inactive window activates it. The window system reports the
  // new focus only later, after the click's own events; the form takes it at once, so the control
  // has the focus before it sees the press, and the later report changes nothing.
  if (!active_ && WindowFocusable(*this)) {
    Service<WindowService>::Get().GiveFocus(hWnd());
    OnFocus(true);
  }
}

void Form::FocusFromClick(Control* target) {
  for (Control* c = target; c != nullptr && c != this; c = c->container()) {
    if (c->CanFocus()) {
      FocusControl(c);
      return;
    }
  }
}

void Form::FocusMayHaveGone() {
  if (focus_ != nullptr && !focus_->Focusable()) SetFocusOwner(nullptr);
}

void Form::OnFocus(bool gained) {
  if (gained == active_) return;
  active_ = gained;
  // A form that gets the window focus for the first time gives it to its first control in Tab
  // order, as dialogs do.
  if (gained && focus_ == nullptr) focus_ = NextInTabOrder(nullptr, false);
  if (focus_ != nullptr) focus_->FocusChanged(gained);
}

void Form::PointerOver(Control* control) {
  if (control == hovered_) return;
  Control* old = hovered_;
  hovered_ = control;
  if (old != nullptr) old->PointerCrossed(false);
  if (hovered_ != control) return;  // A handler moved it on.
  if (control != nullptr) control->PointerCrossed(true);
  PointerShapeChanged(control);
}

void Form::PointerLeft(const WindowedControl* window) {
  // Leaving a window leaves it and every windowless control drawn on it.
  if (hovered_ != nullptr && (hovered_ == window || hovered_->container() == window)) {
    PointerOver(nullptr);
  }
}

void Form::PointerShapeChanged(const Control* control) {
  if (control != hovered_) return;
  if (control == nullptr) {
    Service<CursorService>::Get().SetControlPointer(PointerShape::kDefault);
  } else {
    Service<CursorService>::Get().SetControlPointer(control->MousePointer(), &control->MouseIcon());
  }
}

}  // namespace corvane::platform
