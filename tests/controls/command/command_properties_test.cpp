#include "controls/command/command_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "controls/command/dialog_commands.h"

namespace corvane::controls {
namespace {

constexpr gfx::ColorRef kRed = gfx::Rgb(255, 0, 0);
constexpr gfx::ColorRef kBlack = gfx::Rgb(0, 0, 0);

struct Case {
  std::string name;
  std::uint8_t first_run;
  bool enabled;
  bool hover;         // the pointer is over the initialised button
  bool read_enabled;  // else RefreshCaption
  std::optional<FaceDraw> draw;
  std::optional<bool> caption_enabled;
  gfx::ColorRef colour_after;
  bool enabled_after;
};

using enum StatePicture;

const std::vector<Case> kCases = {
    {"RefreshOfADisabledButtonDoesNothing", 1, false, false, false, std::nullopt, std::nullopt,
     kRed, false},
    {"RefreshBeforeSetUpForcesBlack", 0, true, false, false, FaceDraw{kNormal, false}, true, kBlack,
     true},
    {"RefreshDrawsNormalEvenUnderThePointer", 1, true, true, false, FaceDraw{kNormal, true}, true,
     kRed, true},
    {"FirstReadSetsAFreshButtonUp", 0, false, false, true, FaceDraw{kNormal, false}, true, kRed,
     true},
    {"ReadOfADisabledButtonShowsDisable", 1, false, false, true, FaceDraw{kDisable, false}, false,
     kRed, false},
    {"ReadRepaintsNormalUnderThePointer", 1, true, true, true, FaceDraw{kNormal, true}, true, kRed,
     true},
};

class CommandPropertiesCase : public testing::TestWithParam<Case> {};

TEST_P(CommandPropertiesCase, Reacts) {
  const Case& c = GetParam();
  ButtonBehavior behavior;
  behavior.EnabledChanged(c.enabled || c.hover);
  if (c.hover) {
    behavior.Initialize();
    behavior.PointerMoved(true);
    behavior.EnabledChanged(c.enabled);
  }
  CommandProperties properties;
  properties.first_run = c.first_run;
  properties.font_colour = kRed;

  Reaction reaction;
  if (c.read_enabled) {
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

INSTANTIATE_TEST_SUITE_P(Cases, CommandPropertiesCase, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

// The host's extents are the sizes in HIMETRIC: 2540 to 1440 twips.
TEST(DialogCommands, ExtentsMatchTheSizes) {
  for (const StoredCommand& command : kDialogCommands) {
    EXPECT_EQ(command.extent_x, std::lround(command.width_twips * 2540.0 / 1440)) << command.name;
    EXPECT_EQ(command.extent_y, std::lround(command.height_twips * 2540.0 / 1440)) << command.name;
  }
}

}  // namespace
}  // namespace corvane::controls
