#include <signal.h>

#include <string>

#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

// The probe's form lies at (50, 50): the box's field spans (70, 70) to (111, 90) with its button
// from x 93, the push button lies at (150, 68); the open list starts under the field at y 90.
class ComboEndToEnd : public XvfbTest {
 protected:
  // Reads the probe's reports until `line` comes; false when it never does.
  bool Expect(Child& probe, const std::string& line) {
    while (const auto next = ReadLine(probe)) {
      if (*next == line) return true;
    }
    return false;
  }
};

TEST_F(ComboEndToEnd, RealTypingKeysAndClicksEditTheBoxAndChooseFromItsList) {
  Child* probe = Launch(BuildPath("tests/combo_probe"), {});
  ASSERT_NE(probe, nullptr);
  const auto row_line = ReadLine(*probe);
  ASSERT_TRUE(row_line && row_line->rfind("row ", 0) == 0);
  const int row = std::stoi(row_line->substr(4));
  ASSERT_GT(row, 2);
  ASSERT_EQ(ReadLine(*probe), "ready");
  WaitForWindow("combo");
  ASSERT_TRUE(Expect(*probe, "text= index=0 open=0"));

  // The keys, the focus, the list's own window and its grab are the real server's; what the box
  // does with them is the unit tests' part.
  Click(80, 80);
  PressKey(XK_7);
  EXPECT_TRUE(Expect(*probe, "text=7 index=7 open=0")) << "typing reaches the clicked box";
  PressKey(XK_BackSpace);
  EXPECT_TRUE(Expect(*probe, "text= index=0 open=0"));
  Click(100, 80);
  EXPECT_TRUE(Expect(*probe, "text= index=0 open=1")) << "the button drops the list";
  Click(80, 91 + row + row / 2);
  EXPECT_TRUE(Expect(*probe, "text=1 index=1 open=0")) << "a click on the second row takes it";
  PressKey(XK_F4);
  EXPECT_TRUE(Expect(*probe, "text=1 index=1 open=1"));
  Click(300, 300);
  EXPECT_TRUE(Expect(*probe, "text=1 index=1 open=0")) << "a click outside changes nothing";
  Signal(*probe, SIGTERM);
  EXPECT_EQ(WaitExit(*probe), 0);
}

}  // namespace
}  // namespace corvane::e2e
