#include "controls/frame/gfx_frame_x.h"

#include <algorithm>
#include <type_traits>

#include "controls/frame/draw_frame.h"

namespace corvane::controls {

namespace {

// Visits the stored properties in their order with their names and their defaults when missing.
// Colours are stored as 32-bit integers.
template <class Fields, class Visit>
void ForEachStored(Fields& fields, gfx::ColorRef ambient, Visit visit) {
  const auto colour = static_cast<std::int32_t>(ambient);
  visit("FrameStyle", fields.frame_style, std::int32_t{kFrameRectangle});
  visit("ShadowOpacity", fields.shadow_opacity, std::int16_t{50});
  visit("ShowShadow", fields.show_shadow, true);
  visit("ShadowDepth", fields.shadow_depth, std::int16_t{5});
  visit("FillColour", fields.fill_colour, colour);
  visit("BackColour", fields.back_colour, colour);
  visit("BackColourIs", fields.back_colour_is, std::int32_t{0});
  visit("BorderColour", fields.border_colour, std::int32_t{0});
  visit("CornerDepth", fields.corner_depth, std::int16_t{10});
}

template <class T>
using Stored = std::conditional_t<std::is_same_v<T, gfx::ColorRef>, std::int32_t, T>;

std::int16_t ShadowOpacityRule(std::int16_t value) {
  return std::clamp<std::int16_t>(value, 0, 100);
}

std::int16_t ShadowDepthRule(std::int16_t value) {
  if (value < 2) return 2;
  return value > 40 ? 50 : value;
}

std::int16_t CornerDepthRule(std::int16_t value) { return std::clamp<std::int16_t>(value, 0, 50); }

}  // namespace

GFXFrameX::GFXFrameX(platform::WindowedControl* container, std::string name)
    : UserControl(container, std::move(name)) {
  // A frame is a panel, not a place for the keyboard.
  SetCanGetFocus(false);
}

void GFXFrameX::InitProperties() { fields_ = NewFrameFields(AmbientBackColor()); }

void GFXFrameX::ReadProperties(const platform::PropertyBag& bag) {
  ForEachStored(fields_, AmbientBackColor(),
                [&bag]<class T>(std::string_view name, T& field, Stored<T> default_value) {
                  field = static_cast<T>(bag.ReadProperty(name, default_value));
                });
  Refresh();
}

void GFXFrameX::WriteProperties(platform::PropertyBag& bag) {
  ForEachStored(fields_, AmbientBackColor(),
                [&bag]<class T>(std::string_view name, const T& field, Stored<T> default_value) {
                  bag.WriteProperty(name, static_cast<Stored<T>>(field), default_value);
                });
}

void GFXFrameX::AmbientChanged(std::string_view /*name*/) {
  // Before the host has created or loaded the frame its fields are not yet its own.
  if (Sited()) Refresh();
}

void GFXFrameX::Refresh() {
  // The drawn background becomes the control's background colour; controls inside that follow
  // their container's colour hear of it.
  const gfx::ColorRef bg = FrameBackground(fields_, AmbientBackColor());
  if (BackColor() != bg) SetBackColor(bg);
  DrawFrame(fields_, AmbientBackColor(), Image());
  UserControl::Refresh();
}

template <class T>
void GFXFrameX::Set(T FrameFields::*field, T value, std::string_view name) {
  fields_.*field = value;
  PropertyChanged(name);
  Refresh();
}

void GFXFrameX::SetFrameStyle(std::int32_t value) {
  Set(&FrameFields::frame_style, value, "FrameStyle");
}
void GFXFrameX::SetShadowOpacity(std::int16_t value) {
  Set(&FrameFields::shadow_opacity, ShadowOpacityRule(value), "ShadowOpacity");
}
void GFXFrameX::SetShowShadow(bool value) { Set(&FrameFields::show_shadow, value, "ShowShadow"); }
void GFXFrameX::SetShadowDepth(std::int16_t value) {
  Set(&FrameFields::shadow_depth, ShadowDepthRule(value), "ShadowDepth");
}
void GFXFrameX::SetFillColour(gfx::ColorRef value) {
  Set(&FrameFields::fill_colour, value, "FillColour");
}
void GFXFrameX::SetBackColour(gfx::ColorRef value) {
  Set(&FrameFields::back_colour, value, "BackColour");
}
void GFXFrameX::SetBackColourIs(std::int32_t value) {
  Set(&FrameFields::back_colour_is, value, "BackColourIs");
}
void GFXFrameX::SetBorderColour(gfx::ColorRef value) {
  Set(&FrameFields::border_colour, value, "BorderColour");
}
void GFXFrameX::SetCornerDepth(std::int16_t value) {
  Set(&FrameFields::corner_depth, CornerDepthRule(value), "CornerDepth");
}

}  // namespace corvane::controls
