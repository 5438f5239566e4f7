#include "controls/command/command_properties.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane::controls {
namespace {

constexpr gfx::ColorRef kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::ColorRef kBlack = gfx::Rgb(0, 0, 0);

using enum StatePicture;

// A refresh or an Enabled read of a button that is set up (first_run 1) or fresh, enabled or not,
// idle or under the pointer (which reverses the gradient).
TEST(CommandProperties, RefreshAndEnabledReadRepaintAsTheButtonStands) {
  const struct {
    bool read, set_up, enabled, hover;
    std::optional<FaceDraw> draw;
    std::optional<bool> caption_enabled;
    gfx::ColorRef colour_after;
    bool enabled_after;
  } cases[] = {
      {false, true, false, false, std::nullopt, std::nullopt, kRed, false},
      {false, false, true, false, FaceDraw{kNormal, false}, true, kBlack, true},
      {false, true, true, true, FaceDraw{kNormal, true}, true, kRed, true},
      {true, false, false, false, FaceDraw{kNormal, false}, true, kRed, true},
      {true, true, false, false, FaceDraw{kDisable, false}, false, kRed, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "read " << c.read << " set up " << c.set_up << " enabled "
                                      << c.enabled << " hover " << c.hover);
    ButtonBehavior behavior;
    behavior.EnabledChanged(c.enabled || c.hover);
    if (c.hover) {
      behavior.Initialize();
      behavior.PointerMoved(true);
      behavior.EnabledChanged(c.enabled);
    }
    CommandProperties properties;
    properties.first_run = c.set_up ? 1 : 0;
    properties.font_colour = kRed;
    Reaction reaction;
    if (c.read) {
      const EnabledRead read = ReadEnabled(properties, behavior);
      EXPECT_EQ(read.enabled, c.enabled_after);
      EXPECT_EQ(properties.first_run, 1);
      reaction = read.reaction;
    } else {
      reaction = RefreshCaption(properties, behavior);
    }
    EXPECT_EQ(reaction.draw, c.draw);
    EXPECT_EQ(reaction.caption_enabled, c.caption_enabled);
    EXPECT_EQ(properties.font_colour, c.colour_after);
    EXPECT_EQ(behavior.enabled(), c.enabled_after);
  }
}

}  // namespace
}  // namespace corvane::controls
