#include "controls/command/command.h"

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"

namespace corvane::controls {
namespace {

using platform::Point;
using platform::PropertyBag;
using platform::Rect;

// One button at (10, 10) on a 200 x 100 pixel form at the screen's origin.
class CommandTest : public platform::FormsTest {
 protected:
  CommandTest() {
    form_.SetScaleMode(platform::ScaleMode::kPixels);
    form_.Move(0, 0, 200 * 15, 100 * 15);
    button_.SetBounds(Rect{10, 10, 75, 35});
    button_.on_click = [this] { ++clicks_; };
  }
  ~CommandTest() override { form_.Unload(); }

  void LoadWith(PropertyBag bag) {
    form_.SetStoredInstances({{"Cmd_Set", std::move(bag)}});
    form_.Load();
  }
  StatePicture Shown() const { return button_.LastDraw().value_or(FaceDraw{}).picture; }

  platform::Form form_{"f", platform::BorderStyle::kNone};
  Command button_{&form_, "Cmd_Set"};
  platform::Form other_{"other", platform::BorderStyle::kNone};
  int clicks_ = 0;
};

// An instance stored with no entries, as its designer saves only what differs from a default.
// Loading stored entries is the part of the round trip in stored_instance_test.cpp.
TEST_F(CommandTest, NothingStoredGivesTheDefaults) {
  LoadWith(PropertyBag());
  EXPECT_EQ(button_.Caption(), "Command1");
  EXPECT_EQ(button_.Font(), form_.Font());
  EXPECT_TRUE(button_.Enabled());
  EXPECT_EQ(button_.FontColour(), gfx::Rgb(0, 0, 0));
  EXPECT_EQ(button_.FaceVisible(), 255);
}

TEST_F(CommandTest, ScriptedMouseAndFocusFollowTheButtonsStateMachine) {
  struct Step {
    const char* what;
    std::function<void()> act;
    StatePicture shown;
    FaceState state;
    int clicks;
  };
  const Point over{40, 20};
  const Point off{150, 80};
  // The state machine itself is scripted step by step on its own; here each source of events
  // (focus, pointer, buttons, the poll, Enabled) must reach it.
  const std::vector<Step> steps = {
      {"showing the form gives its only button the focus", [] {}, StatePicture::kSelected,
       FaceState::kFocused, 0},
      {"press, drag off past a poll and release outside: no click",
       [&] {
         windows_.PressAt(over, platform::kLeftButton);
         windows_.MoveTo(off);
         loop_.AdvanceMs(150);
         windows_.ReleaseAt(off, platform::kLeftButton);
       },
       StatePicture::kSelected, FaceState::kFocused, 0},
      {"the form losing the focus takes it from the button", [&] { other_.Show(); },
       StatePicture::kNormal, FaceState::kIdle, 0},
      {"a click focuses it before the press and clicks", [&] { windows_.ClickAt(over); },
       StatePicture::kHighLightSelect, FaceState::kFocusedHover, 1},
      {"a disabled button ignores clicks",
       [&] {
         button_.SetEnabled(false);
         windows_.ClickAt(over);
       },
       StatePicture::kDisable, FaceState::kFocusedHover, 1},
      {"enabled again, its first click clicks",
       [&] {
         button_.SetEnabled(true);
         windows_.ClickAt(over);
       },
       StatePicture::kHighLightSelect, FaceState::kFocusedHover, 2},
  };
  LoadWith(PropertyBag());
  button_.Initialize();
  form_.Show();
  windows_.MoveTo(off);
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(Shown(), step.shown) << step.what;
    EXPECT_EQ(button_.State(), step.state) << step.what;
    EXPECT_EQ(clicks_, step.clicks) << step.what;
  }
  other_.Unload();
}

TEST_F(CommandTest, TheFaceReachesTheWindowAndATransparentFaceShowsTheContainer) {
  LoadWith(PropertyBag());
  form_.Show();
  // Each row and column of the form's image has its own colour, so a pixel copied from any other
  // place shows.
  gfx::Surface& behind = form_.Image();
  for (int y = 0; y < behind.height(); ++y) {
    for (int x = 0; x < behind.width(); ++x) behind.Row(y)[x] = 0x00010000u | x << 8 | y;
  }
  const Point corners[] = {{10, 10}, {74, 10}, {10, 34}, {74, 34}, {40, 12}};
  button_.SetFaceVisible(0);
  for (const Point p : corners)
    EXPECT_EQ(ScreenAt(p.x, p.y), behind.Row(p.y)[p.x]) << p.x << "," << p.y;
  button_.SetFaceVisible(1);
  EXPECT_EQ(button_.LastDraw()->picture, StatePicture::kNormal) << "made opaque, it shows Normal";
  EXPECT_NE(ScreenAt(40, 12), behind.Row(12)[40]);
}

}  // namespace
}  // namespace corvane::controls
