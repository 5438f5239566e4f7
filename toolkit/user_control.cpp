#include "toolkit/user_control.h"

#include <cmath>

#include "toolkit/scale.h"

namespace corvane::platform {

namespace {

constexpr std::string_view kExtentX = "_extentx";
constexpr std::string_view kExtentY = "_extenty";

std::int32_t RoundTwips(double twips) { return static_cast<std::int32_t>(std::lround(twips)); }

}  // namespace

UserControl::UserControl(WindowedControl* container, std::string name)
    : WindowedControl(container), name_(std::move(name)) {}

gfx::ColorRef UserControl::AmbientBackColor() const {
  return container() != nullptr ? container()->BackColor() : BackColor();
}

gfx::FontSpec UserControl::AmbientFont() const {
  return container() != nullptr ? container()->Font() : Font();
}

void UserControl::Site(const PropertyBag* stored) {
  if (stored != nullptr) {
    // The extent comes from the store; the position stays where the form put the control.
    const double width_twips = FromPixelsX(bounds().Width(), ScaleMode::kTwips);
    const double height_twips = FromPixelsY(bounds().Height(), ScaleMode::kTwips);
    const std::int32_t extent_x =
        stored->ReadProperty(kExtentX, TwipsToHimetric(RoundTwips(width_twips)));
    const std::int32_t extent_y =
        stored->ReadProperty(kExtentY, TwipsToHimetric(RoundTwips(height_twips)));
    const int width = std::max(ToPixelsX(HimetricToTwips(extent_x), ScaleMode::kTwips), 0);
    const int height = std::max(ToPixelsY(HimetricToTwips(extent_y), ScaleMode::kTwips), 0);
    SetBounds(Rect{bounds().left, bounds().top, bounds().left + width, bounds().top + height});
    ReadProperties(*stored);
  } else {
    InitProperties();
  }
  sited_ = true;
  Resize();
}

PropertyBag UserControl::Save() {
  PropertyBag bag;
  // An empty extent is left out: a control without one keeps the size the form gives it.
  bag.WriteProperty(
      kExtentX, TwipsToHimetric(RoundTwips(FromPixelsX(bounds().Width(), ScaleMode::kTwips))), 0);
  bag.WriteProperty(
      kExtentY, TwipsToHimetric(RoundTwips(FromPixelsY(bounds().Height(), ScaleMode::kTwips))), 0);
  WriteProperties(bag);
  return bag;
}

void UserControl::PropertyChanged(std::string_view name) {
  if (on_property_changed) on_property_changed(name);
}

void UserControl::BoundsChanged() {
  const Size before{Image().width(), Image().height()};
  WindowedControl::BoundsChanged();
  if (sited_ && (before.width != Image().width() || before.height != Image().height())) Resize();
}

// The mouse is the control's own business: the host's mouse and click handlers are not run; a
// control raises its own events (on_click) as it defines them.
void UserControl::HandleMouseDown(const MouseEvent& event, ScaleMode /*mode*/) {
  MouseDown(ArgsFor(event, scale_mode()));
}

void UserControl::HandleMouseUp(const MouseEvent& event, ScaleMode /*mode*/) {
  MouseUp(ArgsFor(event, scale_mode()));
}

void UserControl::HandleMouseMove(const MouseEvent& event, ScaleMode /*mode*/) {
  MouseMove(ArgsFor(event, scale_mode()));
}

}  // namespace corvane::platform
