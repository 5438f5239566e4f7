#include "controls/command/button_behavior.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane::controls {
namespace {

// The triggers a script is made of.
using Event = Reaction (*)(ButtonBehavior&);
constexpr Event kInitialize = [](ButtonBehavior& b) { return b.Initialize(); };
constexpr Event kMoveOver = [](ButtonBehavior& b) { return b.PointerMoved(true); };
constexpr Event kMoveOff = [](ButtonBehavior& b) { return b.PointerMoved(false); };
constexpr Event kPressLeft = [](ButtonBehavior& b) { return b.Pressed(platform::kLeftButton); };
constexpr Event kPressRight = [](ButtonBehavior& b) { return b.Pressed(platform::kRightButton); };
constexpr Event kReleaseLeftOver = [](ButtonBehavior& b) {
  return b.Released(platform::kLeftButton, true);
};
constexpr Event kReleaseLeftOff = [](ButtonBehavior& b) {
  return b.Released(platform::kLeftButton, false);
};
constexpr Event kReleaseRightOver = [](ButtonBehavior& b) {
  return b.Released(platform::kRightButton, true);
};
constexpr Event kFocusIn = [](ButtonBehavior& b) { return b.FocusArrived(); };
constexpr Event kFocusOut = [](ButtonBehavior& b) { return b.FocusLeft(); };
constexpr Event kTickOver = [](ButtonBehavior& b) { return b.Tick(true); };
constexpr Event kTickOff = [](ButtonBehavior& b) { return b.Tick(false); };
constexpr Event kSetEnabled = [](ButtonBehavior& b) { return b.EnabledChanged(true); };
constexpr Event kSetDisabled = [](ButtonBehavior& b) { return b.EnabledChanged(false); };
constexpr Event kResize = [](ButtonBehavior& b) { return b.Resized(); };

// One step of a script: the trigger, the repaint it must cause (none when empty) and whether it
// clicks. The gradient direction is part of every expected repaint.
struct Step {
  Event event;
  std::optional<FaceDraw> draw;
  bool click = false;
};

struct Script {
  std::string name;
  std::vector<Step> steps;
};

constexpr bool kDown = false;  // white at the top
constexpr bool kUp = true;     // tint at the top
constexpr std::nullopt_t kNothing = std::nullopt;

FaceDraw Face(StatePicture picture, bool reversed) { return FaceDraw{picture, reversed}; }

using enum StatePicture;

const std::vector<Script> kScripts = {
    {"ClickOnHoveredUnfocusedButton",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kMoveOver, kNothing},  // not yet initialised: no hover
      {kInitialize, kNothing},
      {kMoveOver, Face(kHighLight, kUp)},
      {kFocusIn, Face(kPressed, kUp)},
      {kPressLeft, Face(kPressed, kUp)},
      {kReleaseLeftOver, Face(kHighLightSelect, kUp), true}}},
    {"TabOntoHoveredButtonShowsPressedUntilThePointerLeaves",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kMoveOver, Face(kHighLight, kUp)},
      {kFocusIn, Face(kPressed, kUp)},
      {kTickOver, kNothing},
      {kTickOff, Face(kSelected, kDown)},
      {kFocusOut, Face(kNormal, kDown)},
      {kFocusOut, kNothing}}},
    {"FocusedThenHoveredKeepsTheGradientDown",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kFocusIn, Face(kSelected, kDown)},
      {kMoveOver, Face(kHighLightSelect, kDown)},
      {kReleaseLeftOver, Face(kHighLightSelect, kDown), true}}},
    {"DragOffPastATickAndReleaseOutsideDoesNotClick",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kFocusIn, Face(kSelected, kDown)},
      {kMoveOver, Face(kHighLightSelect, kDown)},
      {kPressLeft, Face(kPressed, kDown)},
      {kMoveOff, kNothing},
      {kTickOff, Face(kSelected, kDown)},
      {kTickOff, kNothing},
      {kReleaseLeftOff, kNothing, false}}},
    {"DragOffPastATickAndBackDoesNotClick",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kFocusIn, Face(kSelected, kDown)},
      {kMoveOver, Face(kHighLightSelect, kDown)},
      {kPressLeft, Face(kPressed, kDown)},
      {kTickOff, Face(kSelected, kDown)},
      {kMoveOver, kNothing},
      {kReleaseLeftOver, kNothing, false},
      {kMoveOver, Face(kHighLightSelect, kDown)}}},
    {"ReleaseOutsideBeforeTheTickDoesNotClick",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kFocusIn, Face(kSelected, kDown)},
      {kMoveOver, Face(kHighLightSelect, kDown)},
      {kPressLeft, Face(kPressed, kDown)},
      {kReleaseLeftOff, Face(kHighLightSelect, kDown), false}}},
    {"RightButtonReleaseClicksWithoutDrawing",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kMoveOver, Face(kHighLight, kUp)},
      {kPressRight, kNothing},
      {kReleaseRightOver, kNothing, true}}},
    {"LeftReleaseWhileHoverDrawsNormalAndStaysHover",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kMoveOver, Face(kHighLight, kUp)},
      {kPressLeft, Face(kPressed, kUp)},
      {kReleaseLeftOver, Face(kNormal, kUp), true},
      {kMoveOver, kNothing},
      {kTickOff, Face(kNormal, kDown)},
      {kMoveOver, Face(kHighLight, kUp)}}},
    {"DisabledIgnoresPointerFocusAndButtons",
     {{kInitialize, kNothing},
      {kMoveOver, kNothing},
      {kFocusIn, kNothing},
      {kPressLeft, kNothing},
      {kReleaseLeftOver, kNothing, false},
      {kReleaseRightOver, kNothing, false},
      {kTickOff, kNothing},
      {kFocusOut, kNothing},
      {kResize, Face(kDisable, kDown)}}},
    {"ResizeAndEnabledRedrawWhateverTheState",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kInitialize, kNothing},
      {kMoveOver, Face(kHighLight, kUp)},
      {kResize, Face(kNormal, kUp)},
      {kSetDisabled, Face(kDisable, kUp)},
      {kTickOff, kNothing},
      {kSetEnabled, Face(kNormal, kUp)},
      {kTickOff, Face(kNormal, kDown)}}},
    {"FocusWakesAnUninitialisedButton",
     {{kSetEnabled, Face(kNormal, kDown)},
      {kTickOff, kNothing},
      {kFocusIn, Face(kSelected, kDown)},
      {kMoveOver, Face(kHighLightSelect, kDown)}}},
};

class ButtonBehaviorScript : public testing::TestWithParam<Script> {};

TEST_P(ButtonBehaviorScript, ReactsStepByStep) {
  ButtonBehavior button;
  const std::vector<Step>& steps = GetParam().steps;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Reaction reaction = steps[i].event(button);
    EXPECT_EQ(reaction.draw, steps[i].draw) << "step " << i;
    EXPECT_EQ(reaction.click, steps[i].click) << "step " << i;
    EXPECT_EQ(reaction.start_timer, steps[i].event == kInitialize) << "step " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ButtonBehaviorScript, testing::ValuesIn(kScripts),
                         [](const testing::TestParamInfo<Script>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace corvane::controls
