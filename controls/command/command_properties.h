#pragma once

#include <cstdint>
#include <string>

#include "controls/command/button_behavior.h"
#include "gfx/color.h"
#include "gfx/font.h"

namespace corvane::controls {

// The button's properties besides Enabled, which the state machine keeps, with the values of a
// freshly created instance. The caption's text, font and colour belong to the caption label;
// `opaque` is the face's background style, the stored "Visible".
struct CommandProperties {
  std::string caption = "Command";
  gfx::FontSpec font{"ＭＳ Ｐゴシック", 9.75F, 400, false, false, false, 128};
  gfx::ColorRef font_colour = gfx::Rgb(0, 0, 0);
  // 0 until the instance has been set up by its first Enabled read; stored, so a saved button
  // loads set up.
  std::uint8_t first_run = 0;
  bool opaque = true;
};

// Shows the enabled caption over a Normal face, whatever the state; nothing while disabled. An
// instance not yet set up has its caption colour forced back to black.
Reaction RefreshCaption(CommandProperties& properties, ButtonBehavior& behavior);

struct EnabledRead {
  bool enabled = false;
  Reaction reaction;
};

// Reading Enabled sets a fresh instance up (enabled, first_run 1) and then repaints Normal or
// Disable, so every read shows the enabled look.
EnabledRead ReadEnabled(CommandProperties& properties, ButtonBehavior& behavior);

}  // namespace corvane::controls
