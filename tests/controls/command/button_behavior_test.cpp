#include "controls/command/button_behavior.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace corvane::controls {
namespace {

using B = ButtonBehavior;
using Event = Reaction (*)(B&);
const std::map<std::string, Event> kEvents = {
    {"Init", [](B& b) { return b.Initialize(); }},
    {"Over", [](B& b) { return b.PointerMoved(true); }},
    {"Off", [](B& b) { return b.PointerMoved(false); }},
    {"PressL", [](B& b) { return b.Pressed(platform::kLeftButton); }},
    {"PressR", [](B& b) { return b.Pressed(platform::kRightButton); }},
    {"ReleaseLOver", [](B& b) { return b.Released(platform::kLeftButton, true); }},
    {"ReleaseLOff", [](B& b) { return b.Released(platform::kLeftButton, false); }},
    {"ReleaseROver", [](B& b) { return b.Released(platform::kRightButton, true); }},
    {"FocusIn", [](B& b) { return b.FocusArrived(); }},
    {"FocusOut", [](B& b) { return b.FocusLeft(); }},
    {"TickOver", [](B& b) { return b.Tick(true); }},
    {"TickOff", [](B& b) { return b.Tick(false); }},
    {"Enable", [](B& b) { return b.EnabledChanged(true); }},
    {"EnableOver", [](B& b) { return b.EnabledChanged(true, true); }},
    {"Disable", [](B& b) { return b.EnabledChanged(false); }},
    {"Resize", [](B& b) { return b.Resized(); }},
};

using enum StatePicture;
const std::map<std::string, StatePicture> kPictures = {{"N", kNormal},           {"H", kHighLight},
                                                       {"HS", kHighLightSelect}, {"S", kSelected},
                                                       {"P", kPressed},          {"D", kDisable}};

// A script is a line of steps "Event[=Picture(v|^)][!]": the trigger, the repaint it must cause
// (none without "="), its gradient (v: white at the top, ^: tint at the top) and whether it
// clicks ("!").
struct Script {
  const char* name;
  const char* steps;
};

const Script kScripts[] = {
    {"ClickOnHoveredUnfocusedButton",  // before Initialize there is no hover
     "Enable=Nv Over Init Over=H^ FocusIn=P^ PressL=P^ ReleaseLOver=HS^!"},
    {"TabOntoHoveredButtonShowsPressedUntilThePointerLeaves",
     "Enable=Nv Init Over=H^ FocusIn=P^ TickOver TickOff=Sv FocusOut=Nv FocusOut"},
    {"FocusedThenHoveredKeepsTheGradientDown",
     "Enable=Nv Init FocusIn=Sv Over=HSv ReleaseLOver=HSv!"},
    {"DragOffPastATickAndReleaseOutsideDoesNotClick",
     "Enable=Nv Init FocusIn=Sv Over=HSv PressL=Pv Off TickOff=Sv TickOff ReleaseLOff"},
    {"DragOffPastATickAndBackDoesNotClick",
     "Enable=Nv Init FocusIn=Sv Over=HSv PressL=Pv TickOff=Sv Over ReleaseLOver Over=HSv"},
    {"ReleaseOutsideBeforeTheTickDoesNotClick",
     "Enable=Nv Init FocusIn=Sv Over=HSv PressL=Pv ReleaseLOff=HSv"},
    {"RightButtonReleaseClicksWithoutDrawing", "Enable=Nv Init Over=H^ PressR ReleaseROver!"},
    {"LeftReleaseWhileHoverDrawsNormalAndStaysHover",
     "Enable=Nv Init Over=H^ PressL=P^ ReleaseLOver=N^! Over TickOff=Nv Over=H^"},
    {"DisabledIgnoresPointerFocusAndButtons",
     "Init Over FocusIn PressL ReleaseLOver ReleaseROver TickOff FocusOut Resize=Dv"},
    {"ResizeAndEnabledRedrawWhateverTheState",
     "Enable=Nv Init Over=H^ Resize=N^ Disable=D^ TickOff Enable=N^ TickOff=Nv"},
    {"FocusWakesAnUninitialisedButton", "Enable=Nv TickOff FocusIn=Sv Over=HSv"},
    // A disabled button misses the focus going, the release and the pointer's coming; enabled
    // again, its first click must click.
    {"EnabledAgainAfterTheFocusWentClicksAtOnce",
     "Enable=Nv Init FocusIn=Sv Disable=Dv FocusOut Enable=Nv Over=H^ FocusIn=P^ PressL=P^ "
     "ReleaseLOver=HS^!"},
    {"EnabledAgainUnderARestingPointerClicksWithoutAMove",
     "Enable=Nv Init Disable=Dv Over EnableOver=N^ FocusIn=P^ PressL=P^ ReleaseLOver=HS^!"},
    {"EnabledAgainAfterAnUnheardReleaseHighlightsWhenFocused",
     "Enable=Nv Init Over=H^ PressL=P^ Disable=D^ ReleaseLOver Enable=N^ TickOff=Nv FocusIn=Sv "
     "Over=HSv ReleaseLOver=HSv!"},
};

class ButtonBehaviorScript : public testing::TestWithParam<Script> {};

TEST_P(ButtonBehaviorScript, ReactsStepByStep) {
  ButtonBehavior button;
  std::istringstream steps(GetParam().steps);
  for (std::string step; steps >> step;) {
    const bool click = step.ends_with('!');
    if (click) step.pop_back();
    const std::size_t equals = step.find('=');
    std::optional<FaceDraw> draw;
    if (equals != std::string::npos) {
      const std::string picture = step.substr(equals + 1, step.size() - equals - 2);
      draw = FaceDraw{kPictures.at(picture), step.back() == '^'};
    }
    const std::string event = step.substr(0, equals);
    const Reaction reaction = kEvents.at(event)(button);
    EXPECT_EQ(reaction.draw, draw) << step;
    EXPECT_EQ(reaction.click, click) << step;
    EXPECT_EQ(reaction.start_timer, event == "Init") << step;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ButtonBehaviorScript, testing::ValuesIn(kScripts),
                         [](const testing::TestParamInfo<Script>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace corvane::controls
