#pragma once

#include <optional>
#include <string>

#include "controls/command/button_behavior.h"
#include "controls/command/command_properties.h"
#include "controls/command/state_pictures.h"
#include "gfx/text.h"
#include "toolkit/timer.h"
#include "toolkit/user_control.h"

namespace corvane::controls {

// Command, the skinned push button, as a control hosted on a form: the state machine fed by the
// host's mouse, focus and resize notifications and by its 100 ms leave poll, the face drawn from
// the state pictures into the persistent image, the caption over it, and the stored form of an
// instance. Its one event is on_click.
class Command : public platform::UserControl {
 public:
  Command(platform::WindowedControl* container, std::string name);

  // Starts the state machine and the leave poll; the host calls it once, after loading.
  void Initialize();

  // The face's background style, stored as "Visible": 255 opaque, 0 transparent (only the
  // caption shows over the container). Reading it while opaque refreshes the caption.
  std::uint8_t FaceVisible();
  void SetFaceVisible(std::uint8_t visible);
  // Reading the colour refreshes the caption.
  gfx::ColorRef FontColour();
  void SetFontColour(gfx::ColorRef colour);
  // Reading sets a fresh instance up and repaints the enabled look; setting repaints it. The
  // window follows, so a disabled button takes neither the focus nor the mouse.
  bool Enabled();
  void SetEnabled(bool enabled);
  // The caption's text and font change at once, without repainting the face.
  const std::string& Caption() const { return properties_.caption; }
  void SetCaption(std::string caption);
  const gfx::FontSpec& Font() const { return properties_.font; }
  void SetFont(const gfx::FontSpec& font);

  FaceState State() const { return behavior_.state(); }
  // The state picture and gradient of the last repaint, if any.
  const std::optional<FaceDraw>& LastDraw() const { return last_draw_; }

 protected:
  void InitProperties() override;
  void ReadProperties(const platform::PropertyBag& bag) override;
  void WriteProperties(platform::PropertyBag& bag) override;
  void Resize() override;
  void FocusChanged(bool gained) override;
  void MouseDown(const platform::MouseArgs& args) override;
  void MouseMove(const platform::MouseArgs& args) override;
  void MouseUp(const platform::MouseArgs& args) override;

 private:
  bool Over(const platform::MouseArgs& args) const;
  void Carry(const Reaction& reaction);
  void RefreshCaption();
  // Composes the image from the face (or the container behind a transparent face) and the
  // caption, and shows it.
  void ShowFace();
  void SyncWindowEnabled();

  ButtonBehavior behavior_;
  CommandProperties properties_;
  StatePictures pictures_;
  platform::Timer tmr_mouse_;
  gfx::Surface face_;
  std::optional<gfx::FontFace> caption_face_;
  std::optional<FaceDraw> last_draw_;
  bool caption_enabled_ = true;
};

}  // namespace corvane::controls
