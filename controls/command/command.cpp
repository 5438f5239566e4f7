#include "controls/command/command.h"

#include <algorithm>

#include "controls/command/draw_face.h"
#include "toolkit/caption_font.h"
#include "toolkit/form.h"
#include "winapi/user32.h"

namespace corvane::controls {

namespace {

using platform::ScaleMode;

// A new instance is 1755 x 420 twips; its caption's box is 195 twips high.
constexpr double kNewWidthTwips = 1755;
constexpr double kNewHeightTwips = 420;
constexpr double kCaptionHeightTwips = 195;
constexpr std::uint32_t kLeavePollMs = 100;

}  // namespace

Command::Command(platform::WindowedControl* container, std::string name)
    : UserControl(container, std::move(name)),
      pictures_(DrawStatePictures()),
      tmr_mouse_(form()),
      caption_face_(platform::OpenScreenFont(properties_.font)) {
  tmr_mouse_.on_timer = [this] {
    // The pointer counts as over the button only while the window under it is the button's own.
    platform::Point pointer;
    platform::GetCursorPos(&pointer);
    Carry(behavior_.Tick(platform::WindowFromPoint(pointer) == hWnd()));
  };
  SyncWindowEnabled();
}

void Command::Initialize() { Carry(behavior_.Initialize()); }

void Command::SyncWindowEnabled() { platform::Control::SetEnabled(behavior_.enabled()); }

void Command::Carry(const Reaction& reaction) {
  if (reaction.caption_enabled) caption_enabled_ = *reaction.caption_enabled;
  if (reaction.draw) {
    last_draw_ = reaction.draw;
    const gfx::Surface& image = Image();
    if (face_.width() != image.width() || face_.height() != image.height()) {
      if (auto created = gfx::Surface::Create(image.width(), image.height())) {
        face_ = std::move(*created);
      }
    }
    if (!face_.empty()) {
      DrawFace(face_, BackColor(), pictures_[static_cast<size_t>(reaction.draw->picture)],
               reaction.draw->gradient_reversed, platform::TwipsPerPixelX(),
               platform::TwipsPerPixelY());
    }
  }
  if (reaction.draw || reaction.caption_enabled) ShowFace();
  if (reaction.start_timer) {
    tmr_mouse_.SetInterval(kLeavePollMs);
    tmr_mouse_.SetEnabled(true);
  }
  if (reaction.click && on_click) on_click();
}

void Command::ShowFace() {
  gfx::Surface& image = Image();
  if (image.empty()) return;
  image.Fill(BackColor());
  if (properties_.opaque) {
    if (face_.width() == image.width() && face_.height() == image.height()) {
      for (int y = 0; y < image.height(); ++y)
        std::copy_n(face_.Row(y), face_.width(), image.Row(y));
    }
  } else if (container() != nullptr) {
    // A transparent face shows what its container has drawn behind the button.
    const gfx::Surface& behind = container()->Image();
    const platform::Rect& at = bounds();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (behind.Contains(at.left + x, at.top + y)) {
          image.Row(y)[x] = behind.Row(at.top + y)[at.left + x];
        }
      }
    }
  }
  if (caption_face_) {
    const double height_twips = platform::FromPixelsY(image.height(), ScaleMode::kTwips);
    const int top =
        platform::ToPixelsY(CaptionTop(height_twips, kCaptionHeightTwips), ScaleMode::kTwips);
    DrawCaption(image, *caption_face_, properties_.caption, top, properties_.font_colour,
                caption_enabled_);
  }
  Refresh();
}

void Command::RefreshCaption() { Carry(controls::RefreshCaption(properties_, behavior_)); }

std::uint8_t Command::FaceVisible() {
  if (!properties_.opaque) return 0;
  RefreshCaption();
  return 255;
}

void Command::SetFaceVisible(std::uint8_t visible) {
  properties_.opaque = visible != 0;
  if (properties_.opaque) {
    RefreshCaption();
  } else {
    ShowFace();
  }
  PropertyChanged("Visible");
}

gfx::ColorRef Command::FontColour() {
  const gfx::ColorRef colour = properties_.font_colour;
  RefreshCaption();
  return colour;
}

void Command::SetFontColour(gfx::ColorRef colour) {
  properties_.font_colour = colour;
  RefreshCaption();
  PropertyChanged("FontColour");
}

bool Command::Enabled() {
  const EnabledRead read = ReadEnabled(properties_, behavior_);
  Carry(read.reaction);
  SyncWindowEnabled();
  return read.enabled;
}

void Command::SetEnabled(bool enabled) {
  const platform::Form* owner = form();
  const bool pointer_over = owner != nullptr && owner->HoveredControl() == this;
  const Reaction reaction = behavior_.EnabledChanged(enabled, pointer_over);
  PropertyChanged("Enabled");
  Carry(reaction);
  SyncWindowEnabled();
}

void Command::SetCaption(std::string caption) {
  properties_.caption = std::move(caption);
  PropertyChanged("Caption");
  ShowFace();
}

void Command::SetFont(const gfx::FontSpec& font) {
  properties_.font = font;
  caption_face_ = platform::OpenScreenFont(font);
  PropertyChanged("Font");
  ShowFace();
}

void Command::InitProperties() {
  const platform::Rect& at = bounds();
  SetBounds(platform::Rect{at.left, at.top,
                           at.left + platform::ToPixelsX(kNewWidthTwips, ScaleMode::kTwips),
                           at.top + platform::ToPixelsY(kNewHeightTwips, ScaleMode::kTwips)});
}

void Command::ReadProperties(const platform::PropertyBag& bag) {
  // Loading sets the flag without showing the enabled look; the host's first resize shows it.
  behavior_.EnabledChanged(bag.ReadProperty("Enabled", true));
  SyncWindowEnabled();
  properties_.caption = bag.ReadProperty<std::string>("Caption", "Command1");
  properties_.font = bag.ReadProperty("Font", AmbientFont());
  caption_face_ = platform::OpenScreenFont(properties_.font);
  properties_.first_run = bag.ReadProperty<std::uint8_t>("FirstRun", 1);
  properties_.font_colour =
      static_cast<gfx::ColorRef>(bag.ReadProperty<std::int32_t>("FontColour", 0));
  // Only 0 and 1 are background styles; any other stored value leaves the face as it was.
  const std::int16_t style = bag.ReadProperty<std::int16_t>("Visible", 1);
  if (style == 0 || style == 1) properties_.opaque = style == 1;
  RefreshCaption();
}

void Command::WriteProperties(platform::PropertyBag& bag) {
  bag.WriteProperty("Enabled", behavior_.enabled(), true);
  bag.WriteProperty<std::string>("Caption", properties_.caption, "Command");
  bag.WriteProperty<std::uint8_t>("FirstRun", properties_.first_run, 1);
  bag.WriteProperty("Font", properties_.font, AmbientFont());
  bag.WriteProperty<std::int32_t>("FontColour", static_cast<std::int32_t>(properties_.font_colour),
                                  0);
  bag.WriteProperty<std::int16_t>("Visible", properties_.opaque ? 1 : 0, 1);
  RefreshCaption();
}

void Command::Resize() { Carry(behavior_.Resized()); }

void Command::FocusChanged(bool gained) {
  Carry(gained ? behavior_.FocusArrived() : behavior_.FocusLeft());
}

bool Command::Over(const platform::MouseArgs& args) const {
  return args.x >= 0 && args.y >= 0 && args.x < ScaleWidth() && args.y < ScaleHeight();
}

void Command::MouseDown(const platform::MouseArgs& args) {
  Carry(behavior_.Pressed(static_cast<platform::MouseButton>(args.button)));
}

void Command::MouseMove(const platform::MouseArgs& args) {
  Carry(behavior_.PointerMoved(Over(args)));
}

void Command::MouseUp(const platform::MouseArgs& args) {
  Carry(behavior_.Released(static_cast<platform::MouseButton>(args.button), Over(args)));
}

}  // namespace corvane::controls
