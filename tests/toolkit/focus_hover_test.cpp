#include <algorithm>

#include "tests/toolkit/forms_fixture.h"
#include "tests/toolkit/probe_control.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace corvane::platform {
namespace {

using Log = std::vector<std::string>;

// A form at the screen's origin, 200 x 100 pixels: hosted controls A and B take the focus, C does
// not; a link label shows the pointing hand. The controls report the mouse in twips.
class FocusHoverTest : public FormsTest {
 protected:
  FocusHoverTest() {
    form_.SetScaleMode(ScaleMode::kPixels);
    form_.Move(0, 0, 200 * 15, 100 * 15);
    a_.SetBounds(Rect{10, 10, 40, 30});
    b_.SetBounds(Rect{100, 10, 130, 30});
    c_.SetBounds(Rect{150, 10, 180, 30});
    c_.SetCanGetFocus(false);
    link_.SetBounds(Rect{10, 60, 70, 73});
    link_.SetMousePointer(PointerShape::kHand);
  }
  ~FocusHoverTest() override { form_.Unload(); }

  // The log entries that contain any of words.
  Log Only(std::initializer_list<std::string_view> words) const {
    Log kept;
    std::ranges::copy_if(log_, std::back_inserter(kept), [&](const std::string& entry) {
      return std::ranges::any_of(words,
                                 [&](std::string_view w) { return entry.find(w) != entry.npos; });
    });
    return kept;
  }

  Log log_;
  Form form_{"f", BorderStyle::kNone};
  ProbeControl a_{&form_, "A", log_};
  ProbeControl b_{&form_, "B", log_};
  ProbeControl c_{&form_, "C", log_};
  Label link_{&form_};
};

TEST_F(FocusHoverTest, FocusFollowsTabClicksAndTheFormsOwnFocus) {
  HWND other = windows_.AddForeignWindow(Rect{300, 300, 400, 400}, "other");
  const auto tab = [&](int shift) { return [this, shift] { windows_.Key(kVkTab, shift); }; };
  const auto click = [&](int x, int y, int button) {
    return [this, x, y, button] { windows_.ClickAt(Point{x, y}, button); };
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    Log expected;
    Control* owner;
  };
  const std::vector<Step> steps = {
      {"showing focuses the first in Tab order", [&] { form_.Show(); }, {"A focus+"}, &a_},
      {"Tab", tab(0), {"A focus-", "B focus+"}, &b_},
      {"Tab skips C and wraps", tab(0), {"B focus-", "A focus+"}, &a_},
      {"Shift+Tab wraps backwards", tab(kShiftMask), {"A focus-", "B focus+"}, &b_},
      {"a click focuses before the press arrives",
       click(20, 20, kLeftButton),
       {"B focus-", "A focus+", "A down 1 150,150", "A up 1 150,150"},
       &a_},
      {"a right click does not move the focus",
       click(110, 20, kRightButton),
       {"B down 2 150,150", "B up 2 150,150"},
       &a_},
      {"the form loses the window focus", [&] { windows_.GiveFocus(other); }, {"A focus-"}, &a_},
      {"a click into the inactive form activates it",
       click(110, 20, kLeftButton),
       {"B focus+", "B down 1 150,150", "B up 1 150,150"},
       &b_},
      {"disabling the owner takes the focus away",
       [&] { b_.SetEnabled(false); },
       {"B focus-"},
       nullptr},
      {"Tab then starts from the first", tab(0), {"A focus+"}, &a_},
      {"unloading the form takes the focus away", [&] { form_.Unload(); }, {"A focus-"}, &a_},
  };
  for (const Step& step : steps) {
    log_.clear();
    step.act();
    EXPECT_EQ(Only({"focus", "down", "up"}), step.expected) << step.what;
    EXPECT_EQ(form_.ActiveControl(), step.owner) << step.what;
  }
}

TEST_F(FocusHoverTest, EnterAndLeaveReachWindowedAndWindowlessControlsWithTheirPointer) {
  form_.Show();
  struct Step {
    Point at;
    Log expected;
    Control* hovered;
    PointerShape shape;
  };
  const std::vector<Step> steps = {
      {{20, 20}, {"A enter"}, &a_, PointerShape::kDefault},
      {{20, 65}, {"A leave"}, &link_, PointerShape::kHand},
      {{110, 20}, {"B enter"}, &b_, PointerShape::kDefault},
      {{150, 80}, {"B leave"}, &form_, PointerShape::kDefault},
      {{300, 300}, {}, nullptr, PointerShape::kDefault},
  };
  for (const Step& step : steps) {
    log_.clear();
    windows_.MoveTo(step.at);
    EXPECT_EQ(Only({"enter", "leave"}), step.expected) << step.at.x << "," << step.at.y;
    EXPECT_EQ(form_.HoveredControl(), step.hovered) << step.at.x << "," << step.at.y;
    EXPECT_EQ(cursor_.shape(), step.shape) << step.at.x << "," << step.at.y;
  }
}

TEST_F(FocusHoverTest, AHeldButtonCapturesThePointerUntilItsRelease) {
  form_.Show();
  windows_.MoveTo(Point{20, 20});
  log_.clear();
  windows_.PressAt(Point{20, 20}, kLeftButton);
  windows_.MoveTo(Point{110, 20});   // Over B: still A's.
  windows_.MoveTo(Point{-50, 200});  // Off the form.
  windows_.ReleaseAt(Point{110, 20}, kLeftButton);
  EXPECT_EQ(log_,
            (Log{"A move 0 150,150", "A down 1 150,150", "A move 1 1500,150", "A move 1 -900,2850",
                 "A move 1 1500,150", "A up 1 1500,150", "A leave", "B enter"}));
}

}  // namespace
}  // namespace corvane::platform
