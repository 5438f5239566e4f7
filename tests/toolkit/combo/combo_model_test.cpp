#include "toolkit/combo/combo_model.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace corvane::platform {
namespace {

// The dialog's list: an empty entry, then "1" to "30".
ComboModel TrackList() {
  ComboModel combo;
  combo.list().AddItem("");
  for (int i = 1; i <= 30; ++i) combo.list().AddItem(std::to_string(i));
  return combo;
}

constexpr int kF4 = kVkF1 + 3;

// Plays a script: a key in angle brackets, with S-, C- or A- for Shift, Ctrl or Alt, or typed text.
void Play(ComboModel& combo, std::string_view script) {
  const std::pair<std::string_view, int> keys[] = {
      {"Left", kVkLeft},  {"Right", kVkRight}, {"Home", kVkHome},
      {"End", kVkEnd},    {"Up", kVkUp},       {"Down", kVkDown},
      {"BS", kVkBack},    {"Del", kVkDelete},  {"Enter", kVkReturn},
      {"Esc", kVkEscape}, {"F4", kF4},         {"PgDn", kVkNext},
      {"A", 'A'}};
  while (!script.empty()) {
    const std::size_t end = script.front() == '<' ? script.find('>') + 1 : script.find('<');
    std::string_view token = script.substr(0, end);
    script.remove_prefix(std::min(end, script.size()));
    if (token.front() != '<') {
      combo.OnText(std::string(token));
      continue;
    }
    token = token.substr(1, token.size() - 2);
    int shift = 0;
    for (; token.size() > 2 && token[1] == '-'; token.remove_prefix(2)) {
      shift |= token[0] == 'S' ? kShiftMask : token[0] == 'C' ? kCtrlMask : kAltMask;
    }
    for (const auto& [name, code] : keys) {
      if (name == token) combo.OnKey(KeyEvent{code, shift});
    }
  }
}

TEST(ComboModel, ScriptedInput) {
  struct Script {
    const char* name;
    std::string start_text, inputs, text;
    int list_index;
    bool open = false;
  };
  const std::vector<Script> scripts = {
      {"typing replaces the selection", "12", "<C-A>7", "7", 7},
      {"backspace takes a whole character", "あいう", "<BS>", "あい", -1},
      {"shift-left selects, typing replaces it", "abc", "<S-Left><S-Left>x", "ax", -1},
      {"left ends a selection at its start", "abcd", "<S-Home><S-Right><Left>-", "a-bcd", -1},
      {"delete at the end, backspace at the start", "9", "<Del><Home><BS>", "9", 9},
      {"control characters are not typed", "", "1\n\t2", "12", 12},
      {"down chooses the next entry, selected", "", "<Down><Down>7", "7", 7},
      {"alt-down opens, enter takes the highlight", "3", "<A-Down><Down><Enter>", "4", 4},
      {"escape closes without a change", "3", "<F4><End><Esc>", "3", 3},
      {"keys wait while the list is open", "5", "<F4>x<BS>", "5", 5, true},
      {"page down moves seven, stops at the last", "", "<F4><PgDn><PgDn><PgDn><PgDn><PgDn><Enter>",
       "30", 30},
  };
  for (const Script& s : scripts) {
    ComboModel combo = TrackList();
    combo.SetText(s.start_text);
    Play(combo, s.inputs);
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
