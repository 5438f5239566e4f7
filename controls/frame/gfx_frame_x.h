#pragma once

#include <cstdint>
#include <string_view>

#include "controls/frame/frame_fields.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/color.h"
#include "platform/gfx/surface.h"

namespace corvane::controls {

// The limits that setting a property applies; values loaded from a store bypass them. ShadowDepth
// jumps from 40 to 50: every depth above 40 becomes 50.
std::int16_t ShadowOpacityRule(std::int16_t value);
std::int16_t ShadowDepthRule(std::int16_t value);
std::int16_t CornerDepthRule(std::int16_t value);

// What a frame needs from the form that hosts it.
class FrameHost {
 public:
  virtual ~FrameHost() = default;
  // The container's background colour at this moment, as the container reports it (possibly a
  // system colour).
  virtual gfx::ColorRef AmbientBackColour() const = 0;
  // A property was set, so the instance must be saved again.
  virtual void PropertyChanged(std::string_view name) = 0;
  // The control's persistent image, as large as the control.
  virtual gfx::Surface& Image() = 0;
};

// GFXFrameX: a container control that draws a plain or rounded panel with a soft drop shadow
// towards the bottom right. Its look is a function of its fields alone (DrawFrame); this class adds
// the properties with their limits, the host's notifications and the stored form of an instance.
class GFXFrameX {
 public:
  // The fields start as a new frame's in a black container; the host then either creates the
  // instance (InitProperties) or loads it (ReadProperties).
  explicit GFXFrameX(FrameHost& host) : host_(host) {}

  // A frame placed for the first time: the defaults, the colours from the container. No drawing;
  // the first resize draws.
  void InitProperties();
  // A stored frame: every value as stored, without the property limits, then Refresh.
  void ReadProperties(const platform::PropertyBag& bag);
  // Writes every property that differs from its default, in a fixed order.
  void WriteProperties(platform::PropertyBag& bag) const;
  // The control's size changed.
  void Resize() { Refresh(); }
  // One of the container's ambient properties changed; a frame following the container's
  // background colour must take the new one. The property's name does not matter.
  void AmbientChanged(std::string_view /*name*/) { Refresh(); }

  // Redraws the control's image.
  void Refresh();

  // Setting a property stores the value after its limit, tells the host, and redraws, even when
  // the value did not change.
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

 private:
  template <class T>
  void Set(T FrameFields::*field, T value, std::string_view name);

  FrameHost& host_;
  FrameFields fields_ = NewFrameFields(0);
};

}  // namespace corvane::controls
