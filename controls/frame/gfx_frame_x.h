#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/frame/frame_fields.h"
#include "gfx/color.h"
#include "toolkit/property_bag.h"
#include "toolkit/user_control.h"

namespace corvane::controls {

// GFXFrameX: a container control hosted on a form that draws a plain or rounded panel with a soft
// drop shadow towards the bottom right into its persistent image. Its look is a function of its
// fields alone (DrawFrame); this class adds the properties with their limits, the host's
// notifications and the stored form of an instance. It raises no events.
//
// Controls placed inside it lie over its image and move with it: windowed ones (picture boxes,
// other frames, hosted controls) as child windows of its window, windowless ones (images, labels)
// painted over the image whenever it is shown. Its background colour is the drawn background, so
// hosted controls inside take that as their ambient colour.
class GFXFrameX : public platform::UserControl {
 public:
  GFXFrameX(platform::WindowedControl* container, std::string name);

  // Draws the image from the fields and shows it, with the controls inside over it.
  void Refresh();

  // Setting a property stores the value after its limit, tells the host, and redraws, even when
  // the value did not change. ShadowDepth jumps from 40 to 50: every depth above 40 becomes 50.
  std::int32_t FrameStyle() const { return fields_.frame_style; }
  void SetFrameStyle(std::int32_t value);
  std::int16_t ShadowOpacity() const { return fields_.shadow_opacity; }
  void SetShadowOpacity(std::int16_t value);
  bool ShowShadow() const { return fields_.show_shadow; }
  void SetShowShadow(bool value);
  std::int16_t ShadowDepth() const { return fields_.shadow_depth; }
  void SetShadowDepth(std::int16_t value);
  gfx::ColorRef FillColour() const { return fields_.fill_colour; }
  void SetFillColour(gfx::ColorRef value);
  gfx::ColorRef BackColour() const { return fields_.back_colour; }
  void SetBackColour(gfx::ColorRef value);
  std::int32_t BackColourIs() const { return fields_.back_colour_is; }
  void SetBackColourIs(std::int32_t value);
  gfx::ColorRef BorderColour() const { return fields_.border_colour; }
  void SetBorderColour(gfx::ColorRef value);
  std::int16_t CornerDepth() const { return fields_.corner_depth; }
  void SetCornerDepth(std::int16_t value);

  const FrameFields& fields() const { return fields_; }

 protected:
  // A frame placed for the first time: the defaults, the colours from the container. No drawing;
  // the first resize draws.
  void InitProperties() override;
  // A stored frame: every value as stored, without the property limits, then Refresh.
  void ReadProperties(const platform::PropertyBag& bag) override;
  // Writes every property that differs from its default, in a fixed order.
  void WriteProperties(platform::PropertyBag& bag) override;
  void Resize() override { Refresh(); }
  // One of the container's ambient properties changed; a frame following the container's
  // background colour must take the new one. The property's name does not matter.
  void AmbientChanged(std::string_view name) override;

 private:
  template <class T>
  void Set(T FrameFields::*field, T value, std::string_view name);

  FrameFields fields_ = NewFrameFields(0);
};

}  // namespace corvane::controls
