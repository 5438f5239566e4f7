#include "controls/command/button_behavior.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane::controls {
namespace {

enum class Event {
  kInitialize,
  kMoveOver,
  kMoveOff,
  kPressLeft,
  kPressRight,
  kReleaseLeftOver,
  kReleaseLeftOff,
  kReleaseRightOver,
  kFocusIn,
  kFocusOut,
  kTickOver,
  kTickOff,
  kSetEnabled,
  kSetDisabled,
  kResize,
};

Reaction Apply(ButtonBehavior& button, Event event) {
  switch (event) {
    case Event::kInitialize:
      return button.Initialize();
    case Event::kMoveOver:
      return button.PointerMoved(true);
    case Event::kMoveOff:
      return button.PointerMoved(false);
    case Event::kPressLeft:
      return button.Pressed(platform::kLeftButton);
    case Event::kPressRight:
      return button.Pressed(platform::kRightButton);
    case Event::kReleaseLeftOver:
      return button.Released(platform::kLeftButton, true);
    case Event::kReleaseLeftOff:
      return button.Released(platform::kLeftButton, false);
    case Event::kReleaseRightOver:
      return button.Released(platform::kRightButton, true);
    case Event::kFocusIn:
      return button.FocusArrived();
    case Event::kFocusOut:
      return button.FocusLeft();
    case Event::kTickOver:
      return button.Tick(true);
    case Event::kTickOff:
      return button.Tick(false);
    case Event::kSetEnabled:
      return button.EnabledChanged(true);
    case Event::kSetDisabled:
      return button.EnabledChanged(false);
    case Event::kResize:
      return button.Resized();
  }
  return {};
}

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

using enum Event;
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
    const Reaction reaction = Apply(button, steps[i].event);
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
