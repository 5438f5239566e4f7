#include "controls/command/command_properties.h"

namespace corvane::controls {

Reaction RefreshCaption(CommandProperties& properties, ButtonBehavior& behavior) {
  if (!behavior.enabled()) return {};
  Reaction reaction;
  reaction.caption_enabled = true;
  if (properties.first_run == 0) properties.font_colour = gfx::Rgb(0, 0, 0);
  reaction.draw = behavior.Draw(StatePicture::kNormal);
  return reaction;
}

EnabledRead ReadEnabled(CommandProperties& properties, ButtonBehavior& behavior) {
  bool enabled = behavior.enabled();
  if (properties.first_run == 0) {
    RefreshCaption(properties, behavior);
    properties.first_run = 1;
    enabled = true;
  }
  // Setting the flag repaints the enabled look, which the read shows in any case; it covers the
  // repaint of the refresh above.
  const Reaction reaction = behavior.EnabledChanged(enabled);
  return EnabledRead{behavior.enabled(), reaction};
}

}  // namespace corvane::controls
