#include "platform/forms/combo/combo_model.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace corvane::platform {
namespace {

// One input: a key with its shift state, or typed text.
struct Key {
  int code;
  int shift = 0;
};
using Input = std::variant<Key, std::string>;

// The dialog's list: an empty entry, then "1" to "30".
ComboModel TrackList() {
  ComboModel combo;
  combo.list().AddItem("");
  for (int i = 1; i <= 30; ++i) combo.list().AddItem(std::to_string(i));
  return combo;
}

constexpr int kF4 = kVkF1 + 3;
const Key kShiftLeft{kVkLeft, kShiftMask}, kShiftRight{kVkRight, kShiftMask};
const Key kShiftHome{kVkHome, kShiftMask}, kOpen{kF4}, kDown{kVkDown}, kEnter{kVkReturn};

TEST(ComboModel, ScriptedInput) {
  struct Script {
    const char* name;
    std::string start_text;
    std::vector<Input> inputs;
    std::string text;
    int list_index;
    bool open = false;
  };
  const Key page_down{kVkNext};
  const std::vector<Script> scripts = {
      {"typing replaces the selection", "12", {Key{'A', kCtrlMask}, "7"}, "7", 7},
      {"backspace takes a whole character", "あいう", {Key{kVkBack}}, "あい", -1},
      {"shift-left selects, typing replaces it", "abc", {kShiftLeft, kShiftLeft, "x"}, "ax", -1},
      {"left ends a selection at its start",
       "abcd",
       {kShiftHome, kShiftRight, Key{kVkLeft}, "-"},
       "a-bcd",
       -1},
      {"delete at the end, backspace at the start",
       "9",
       {Key{kVkDelete}, Key{kVkHome}, Key{kVkBack}},
       "9",
       9},
      {"control characters are not typed", "", {"1\n\t2"}, "12", 12},
      {"down chooses the next entry, selected", "", {kDown, kDown, "7"}, "7", 7},
      {"alt-down opens, enter takes the highlight",
       "3",
       {Key{kVkDown, kAltMask}, kDown, kEnter},
       "4",
       4},
      {"escape closes without a change", "3", {kOpen, Key{kVkEnd}, Key{kVkEscape}}, "3", 3},
      {"keys wait while the list is open", "5", {kOpen, "x", Key{kVkBack}}, "5", 5, true},
      {"page down moves seven, stops at the last",
       "",
       {kOpen, page_down, page_down, page_down, page_down, page_down, kEnter},
       "30",
       30},
  };
  for (const Script& s : scripts) {
    ComboModel combo = TrackList();
    combo.SetText(s.start_text);
    for (const Input& input : s.inputs) {
      if (const Key* key = std::get_if<Key>(&input)) {
        combo.OnKey(KeyEvent{key->code, key->shift});
      } else {
        combo.OnText(std::get<std::string>(input));
      }
    }
    EXPECT_EQ(combo.Text(), s.text) << s.name;
    EXPECT_EQ(combo.ListIndex(), s.list_index) << s.name;
    EXPECT_EQ(combo.IsOpen(), s.open) << s.name;
  }
}

// The open list shows eight rows: the highlight is always among them, the wheel scrolls within
// the list's ends, and a row of the view names the entry shown there.
TEST(ComboModel, TheOpenListKeepsItsHighlightInView) {
  ComboModel combo = TrackList();
  combo.SetText("20");
  combo.Open();
  const DropList& list = combo.list();
  EXPECT_EQ(list.Highlighted(), 20);
  EXPECT_EQ(list.TopIndex(), 13);
  for (int step = 0; step < 40; ++step) {
    combo.OnKey(KeyEvent{step < 20 ? kVkUp : kVkDown, 0});
    ASSERT_GE(list.Highlighted(), list.TopIndex());
    ASSERT_LT(list.Highlighted(), list.TopIndex() + DropList::kVisibleRows);
  }
  combo.list().Scroll(-100);
  EXPECT_EQ(list.TopIndex(), 0);
  combo.list().Scroll(100);
  EXPECT_EQ(list.TopIndex(), 31 - DropList::kVisibleRows);
  combo.list().HighlightRow(2);
  EXPECT_EQ(list.Highlighted(), 25);
  combo.list().HighlightRow(DropList::kVisibleRows);  // Below the last row: nothing changes.
  EXPECT_EQ(list.Highlighted(), 25);
  combo.OnKey(KeyEvent{kVkUp, kAltMask});
  EXPECT_EQ(combo.Text(), "25");
  EXPECT_FALSE(combo.OnKey(KeyEvent{kVkTab, 0})) << "Tab goes on to the form";
}

TEST(ComboModel, AnEmptyListNeverOpens) {
  ComboModel combo;
  combo.OnKey(KeyEvent{kF4, 0});
  EXPECT_FALSE(combo.IsOpen());
  combo.SetListIndex(3);
  EXPECT_EQ(combo.ListIndex(), -1);
}

}  // namespace
}  // namespace corvane::platform
