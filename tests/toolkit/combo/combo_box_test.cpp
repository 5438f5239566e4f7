#include "toolkit/combo/combo_box.h"

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"

namespace corvane::platform {
namespace {

constexpr int kF4 = kVkF1 + 3;
constexpr gfx::Pixel kSelectionBlue = 0x000080;

// A dialog at the screen's origin (or lower down) with the repeat box at (20, 20), 41 x 20, holding
// an empty entry and "1" to "30", and a second box at (100, 20) after it in Tab order. With the
// test fonts (12 px, 6 px a character) the field's text starts at x 24 and its button spans x 43
// to 58; the open list lies under the field, 41 x 114, its rows 14 px tall from y 41.
struct Dialog {
  explicit Dialog(int top = 0) {
    form.SetScaleMode(ScaleMode::kPixels);
    form.Move(0, top * 15, 200 * 15, 100 * 15);
    combo.SetBounds(Rect{20, 20, 61, 40});
    other.SetBounds(Rect{100, 20, 141, 40});
    combo.SetText("");
    for (int i = 0; i <= 30; ++i) combo.AddItem(i == 0 ? "" : std::to_string(i));
    form.Show();
  }
  ~Dialog() { form.Unload(); }

  Form form{"dialog", BorderStyle::kNone};
  ComboBox combo{&form};
  ComboBox other{&form};
};

class ComboBoxTest : public FormsTest {
 protected:
  void ClickButton() { windows_.ClickAt(Point{50, 30}); }

  // Runs "verb argument" pairs: set <text>, disable -, type <text>, field <x> (a click), drag
  // <x>-<x> (across the field), button -, row <n> (a click on the open list), wheel <notches>,
  // outside -, key <Tab|Down|F4>.
  void Run(Dialog& d, const std::string& script) {
    std::istringstream in(script);
    std::string verb, arg;
    while (in >> verb >> arg) {
      const int n = std::isdigit(arg[0]) ? std::stoi(arg) : 0;
      if (verb == "set") d.combo.SetText(arg);
      if (verb == "disable") d.combo.SetEnabled(false);
      if (verb == "type") windows_.Type(arg);
      if (verb == "field") windows_.ClickAt(Point{n, 30});
      if (verb == "button") ClickButton();
      if (verb == "row") windows_.ClickAt(Point{30, 41 + 14 * n + 7});
      if (verb == "wheel") windows_.WheelAt(Point{30, 60}, n);
      if (verb == "outside") windows_.ClickAt(Point{150, 80});
      if (verb == "key") windows_.Key(arg == "Tab" ? kVkTab : arg == "Down" ? kVkDown : kF4);
      if (verb == "drag") {
        const int to = std::stoi(arg.substr(arg.find('-') + 1));
        windows_.PressAt(Point{n, 30}, kLeftButton);
        windows_.MoveTo(Point{to, 30});
        windows_.ReleaseAt(Point{to, 30}, kLeftButton);
      }
    }
  }
};

TEST_F(ComboBoxTest, ScriptedInputReachesTheFieldAndTheList) {
  struct Script {
    const char* name;
    std::string script;
    std::string text;
    int list_index;
    bool open = false;
    std::string other_text = "";
  };
  const std::vector<Script> scripts = {
      {"typing reaches the focused box", "type 12", "12", 12},
      {"a click places the caret between characters", "set 123 field 30 type x", "1x23", -1},
      {"a drag across the text selects it and typing replaces it", "set 123 drag 24-42 type 9", "9",
       9},
      {"Tab passes the keys on to the next box", "key Tab type 7", "", 0, false, "7"},
      {"a click on a row takes it", "button - row 2", "2", 2},
      {"the wheel scrolls the rows under the pointer", "button - wheel 1 row 2", "5", 5},
      {"a click outside closes the list without a change", "button - key Down outside -", "", 0},
      {"a click on the button again closes it without a change", "button - key Down button -", "",
       0},
      {"Tab with the list open closes it and moves on", "key F4 key Down key Tab", "", 0},
      {"a disabled box takes neither keys nor clicks", "disable - button - field 30 type 5", "", 0},
  };
  for (const Script& s : scripts) {
    SCOPED_TRACE(s.name);
    Dialog dialog;
    Run(dialog, s.script);
    EXPECT_EQ(dialog.combo.Text(), s.text);
    EXPECT_EQ(dialog.combo.ListIndex(), s.list_index);
    EXPECT_EQ(dialog.combo.ListOpen(), s.open);
    EXPECT_EQ(dialog.combo.ListWindow() != 0, s.open);
    EXPECT_EQ(windows_.PointerGrab(), dialog.combo.ListWindow()) << "the grab lives with the list";
    EXPECT_EQ(dialog.other.Text(), s.other_text);
  }
}

TEST_F(ComboBoxTest, TheListOpensBelowTheFieldOrAboveItWhenTheScreenEndsThere) {
  struct Case {
    int form_top;
    Rect list;
  };
  for (const Case& c : {Case{0, Rect{20, 40, 61, 154}}, Case{700, Rect{20, 606, 61, 720}}}) {
    Dialog dialog(c.form_top);
    windows_.ClickAt(Point{50, c.form_top + 30});
    ASSERT_TRUE(dialog.combo.ListOpen()) << c.form_top;
    EXPECT_EQ(windows_.ScreenRect(dialog.combo.ListWindow()), c.list) << c.form_top;
    // The chosen entry (the empty one) is highlighted on the top row.
    EXPECT_EQ(ScreenAt(30, c.list.top + 3), kSelectionBlue) << c.form_top;
  }
}

TEST_F(ComboBoxTest, ADisabledBoxGreysItsArrow) {
  Dialog dialog;
  // The arrow's widest row at (50, 28).
  EXPECT_EQ(ScreenAt(50, 28), 0x000000u);
  dialog.combo.SetEnabled(false);
  EXPECT_EQ(ScreenAt(50, 28), 0x808080u);
}

}  // namespace
}  // namespace corvane::platform
