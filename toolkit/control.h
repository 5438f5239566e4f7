#pragma once

#include <functional>
#include <string_view>

#include "gfx/surface.h"
#include "os/cursor.h"
#include "os/geometry.h"
#include "os/input.h"
#include "toolkit/scale.h"

namespace corvane::platform {

class Form;
class WindowedControl;

// Mouse event arguments as handlers receive them: coordinates in the control's container units
// (the control's own units for a windowed control).
struct MouseArgs {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};

// Anything placed on a form: a position and size inside its container, visibility, an enabled
// flag and mouse events. Controls without a window of their own (images, labels) are painted by
// their container over its persistent image and get their mouse input from it.
class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  WindowedControl* container() const { return container_; }
  Form* form() const;

  // In the container's scale units (a form's own geometry is in twips).
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  void Move(double left, double top, double width, double height);

  // In pixels, relative to the container's inner area.
  const Rect& bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The pointer's shape while it is over this control.
  PointerShape MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(PointerShape shape);
  // A pointer picture of the control's own; shown as kCustom.
  const CustomCursor& MouseIcon() const { return mouse_icon_; }
  void SetMouseIcon(const CustomCursor& icon);

  // Whether the control can take the focus now: a kind that takes it, visible and enabled together
  // with all its containers below the form.
  bool Focusable() const;
  // Whether the control takes mouse and keyboard input now: it and every container up to its
  // form are enabled. A form disabled while a modal window of its own is open takes none.
  bool TakesInput() const;
  // Gives the control the focus within its form, when it can take it.
  void SetFocus();

  std::function<void()> on_click;
  std::function<void(const MouseArgs&)> on_mouse_down;
  std::function<void(const MouseArgs&)> on_mouse_up;
  std::function<void(const MouseArgs&)> on_mouse_move;

 protected:
  explicit Control(WindowedControl* container);

  ScaleMode ContainerScale() const;
  MouseArgs ArgsFor(const MouseEvent& event, ScaleMode mode) const;
  // Mouse input in pixels relative to the control. A click is a press and a release of the same
  // button on the same control.
  virtual void HandleMouseDown(const MouseEvent& event, ScaleMode mode);
  virtual void HandleMouseUp(const MouseEvent& event, ScaleMode mode);
  virtual void HandleMouseMove(const MouseEvent& event, ScaleMode mode);

  virtual void BoundsChanged() {}
  virtual void VisibilityChanged() {}
  virtual void EnabledChanged() {}
  // Windowless controls draw themselves here, over the container's picture: canvas is the
  // control's own rectangle of it, (0, 0) its top-left corner, and nothing drawn reaches past it.
  virtual void Paint(gfx::Surface& /*canvas*/) {}
  virtual bool HasWindow() const { return false; }
  // Kinds of control that take the focus say so; the form then sends them FocusChanged.
  virtual bool CanFocus() const { return false; }
  virtual void FocusChanged(bool /*gained*/) {}
  // A key (with the text it types) while the control has the focus; returns whether the control
  // used it. Unused keys go on to the form's handler.
  virtual bool HandleKey(const KeyEvent& /*key*/) { return false; }
  // The pointer came over the control (entered) or left it, windowed or not.
  virtual void PointerCrossed(bool /*entered*/) {}
  // An ambient property of the container ("BackColor", "Font") changed.
  virtual void AmbientChanged(std::string_view /*name*/) {}
  // Asks the container to show the control's new look.
  void Invalidate();

 private:
  friend class WindowedControl;
  friend class Form;

  WindowedControl* container_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  PointerShape mouse_pointer_ = PointerShape::kDefault;
  CustomCursor mouse_icon_;
  int pressed_button_ = 0;
};

}  // namespace corvane::platform
