#include "controls/command/command.h"

#include "platform/forms/form.h"
#include "tests/platform/forms/forms_fixture.h"

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

TEST_F(CommandTest, StoredEntriesRoundTripWithTheirDefaults) {
  gfx::FontSpec big = form_.Font();
  big.points = 12;
  big.weight = 700;
  struct Case {
    const char* what;
    PropertyBag stored;
    std::string caption;
    gfx::FontSpec font;
    size_t entries_saved;  // Besides the extent.
  };
  for (const Case& c : {
           Case{"nothing stored: enabled, Command1, the ambient font", PropertyBag(), "Command1",
                form_.Font(), 1},
           Case{"a stored caption in any case of its key",
                PropertyBag({{"caption", std::string("Command")}}), "Command", form_.Font(), 0},
           Case{"a stored font keeps its size and weight",
                PropertyBag({{"Font", big}, {"Caption", std::string("設定")}}), "設定", big, 2},
       }) {
    LoadWith(c.stored);
    EXPECT_EQ(button_.Caption(), c.caption) << c.what;
    EXPECT_EQ(button_.Font(), c.font) << c.what;
    EXPECT_TRUE(button_.Enabled()) << c.what;
    EXPECT_EQ(button_.FontColour(), gfx::Rgb(0, 0, 0)) << c.what;
    EXPECT_EQ(button_.FaceVisible(), 255) << c.what;
    form_.SaveInstances();
    const PropertyBag& saved = form_.StoredInstances().front().properties;
    EXPECT_EQ(saved.entries().size(), 2 + c.entries_saved) << c.what;
    form_.Unload();
  }
  // "Command" is the caption's write default: it is not stored, and comes back as "Command1".
  LoadWith(PropertyBag());
  button_.SetCaption("Command");
  form_.SaveInstances();
  form_.Unload();
  form_.Load();
  EXPECT_EQ(button_.Caption(), "Command1");
}

TEST_F(CommandTest, EntriesAreWrittenInTheirOrderWithTheirTypes) {
  LoadWith(PropertyBag({{"FirstRun", std::uint8_t{1}}}));
  button_.SetEnabled(false);
  button_.SetCaption("Go");
  button_.SetFontColour(gfx::Rgb(255, 0, 0));
  button_.SetFaceVisible(0);
  form_.SaveInstances();
  std::vector<std::string> names;
  for (const auto& entry : form_.StoredInstances().front().properties.entries()) {
    names.push_back(entry.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"_extentx", "_extenty", "Enabled", "Caption",
                                             "FontColour", "Visible"}));
  const PropertyBag& saved = form_.StoredInstances().front().properties;
  EXPECT_EQ(saved.ReadProperty<std::int16_t>("Visible", 9), 0);
  EXPECT_EQ(saved.ReadProperty<std::int32_t>("FontColour", 9), 0x0000FF);
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
  const std::vector<Step> steps = {
      {"showing the form gives its only button the focus", [] {}, StatePicture::kSelected,
       FaceState::kFocused, 0},
      {"the pointer moves onto it", [&] { windows_.MoveTo(over); }, StatePicture::kHighLightSelect,
       FaceState::kFocusedHover, 0},
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
      {"hovering the unfocused button", [&] { windows_.MoveTo(over); }, StatePicture::kHighLight,
       FaceState::kHover, 0},
      {"the poll sees it still there", [&] { loop_.AdvanceMs(100); }, StatePicture::kHighLight,
       FaceState::kHover, 0},
      {"a click focuses it before the press and clicks", [&] { windows_.ClickAt(over); },
       StatePicture::kHighLightSelect, FaceState::kFocusedHover, 1},
      {"a right click over it clicks too", [&] { windows_.ClickAt(over, platform::kRightButton); },
       StatePicture::kHighLightSelect, FaceState::kFocusedHover, 2},
      {"a disabled button ignores the pointer and clicks",
       [&] {
         button_.SetEnabled(false);
         windows_.ClickAt(over);
         windows_.ClickAt(over, platform::kRightButton);
       },
       StatePicture::kDisable, FaceState::kFocusedHover, 2},
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
  form_.SetBackColor(gfx::Rgb(1, 2, 3));
  LoadWith(PropertyBag());
  form_.Show();
  const gfx::Pixel face = ScreenAt(40, 12);
  EXPECT_NE(face, 0x00010203u);
  button_.SetFaceVisible(0);
  EXPECT_EQ(ScreenAt(40, 12), 0x00010203u);
  button_.SetFaceVisible(1);
  EXPECT_EQ(button_.LastDraw()->picture, StatePicture::kNormal) << "made opaque, it shows Normal";
  EXPECT_NE(ScreenAt(40, 12), 0x00010203u);
}

}  // namespace
}  // namespace corvane::controls
