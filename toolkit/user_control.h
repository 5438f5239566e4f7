#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/property_bag.h"
#include "toolkit/windowed_control.h"

namespace corvane::platform {

// The base of a hosted custom control: a windowed child with its persistent image, which its form
// creates as a new instance or loads from the form's stored instances, saves on request, and keeps
// informed of its container's ambient properties, its size, the focus, the mouse and its timers.
// A subclass overrides the notifications it needs; all arrive on the user-interface thread.
//
// The host itself keeps the control's extent in the store, as "_extentx" and "_extenty" in
// HIMETRIC; the subclass never sees them.
class UserControl : public WindowedControl {
 public:
  UserControl(WindowedControl* container, std::string name);

  // The instance name under which the form stores the control.
  const std::string& Name() const { return name_; }

  // Whether a click or Tab gives the control the focus.
  void SetCanGetFocus(bool can) { can_get_focus_ = can; }

  // The container's background colour and font at this moment.
  gfx::ColorRef AmbientBackColor() const;
  gfx::FontSpec AmbientFont() const;

  // The host's side. Site is called once, at form load: with the stored entries a stored instance
  // takes its extent from them and then ReadProperties runs; without, InitProperties runs. The
  // first Resize follows either way, as the host places the control.
  void Site(const PropertyBag* stored);
  // The extent, then the control's own entries (WriteProperties).
  PropertyBag Save();
  // Whether the host has created or loaded the control yet.
  bool Sited() const { return sited_; }
  // Called with the property's name whenever the control reports a change.
  std::function<void(std::string_view)> on_property_changed;

 protected:
  virtual void InitProperties() {}
  virtual void ReadProperties(const PropertyBag& /*bag*/) {}
  virtual void WriteProperties(PropertyBag& /*bag*/) {}
  // The control's size changed (after it was sited).
  virtual void Resize() {}
  // Mouse input in the control's own scale units. While a button is held every move and the
  // release arrive here, wherever the pointer is.
  virtual void MouseDown(const MouseArgs& /*args*/) {}
  virtual void MouseMove(const MouseArgs& /*args*/) {}
  virtual void MouseUp(const MouseArgs& /*args*/) {}

  // Tells the host that a property changed, so the instance must be saved again.
  void PropertyChanged(std::string_view name);

  bool CanFocus() const override { return can_get_focus_; }
  void BoundsChanged() override;
  void HandleMouseDown(const MouseEvent& event, ScaleMode mode) override;
  void HandleMouseUp(const MouseEvent& event, ScaleMode mode) override;
  void HandleMouseMove(const MouseEvent& event, ScaleMode mode) override;

 private:
  std::string name_;
  bool can_get_focus_ = true;
  bool sited_ = false;
};

}  // namespace corvane::platform
