#include <signal.h>

#include "tests/e2e/xvfb_fixture.h"

// Xlib comes after GoogleTest: its None macro would hide a GoogleTest type of that name.
#include <X11/keysym.h>

namespace corvane::e2e {
namespace {

// The probe's form lies at (50, 50); button A at (60, 60)-(125, 85), B at (150, 60)-(215, 85).
class HostedButtons : public XvfbTest {
 protected:
  // Reads the probe's reports until `line` comes; false when it never does.
  bool Expect(Child& probe, const std::string& line) {
    while (const auto next = ReadLine(probe)) {
      if (*next == line) return true;
    }
    return false;
  }
};

TEST_F(HostedButtons, RealPointerAndKeysMoveHoverAndFocusBetweenTwoHostedControls) {
  Child* probe = Launch(BuildPath("tests/hosted_probe"), {});
  ASSERT_NE(probe, nullptr);
  ASSERT_EQ(ReadLine(*probe), "ready");
  WaitForWindow("hosted");

  MovePointer(90, 70);
  EXPECT_TRUE(Expect(*probe, "enter A"));
  Click(90, 70);
  EXPECT_TRUE(Expect(*probe, "focus A +")) << "a click focuses the button and activates the form";
  EXPECT_TRUE(Expect(*probe, "click A"));
  PressKey(XK_Tab);
  EXPECT_TRUE(Expect(*probe, "focus A -"));
  EXPECT_TRUE(Expect(*probe, "focus B +"));
  MovePointer(180, 70);
  EXPECT_TRUE(Expect(*probe, "leave A"));
  EXPECT_TRUE(Expect(*probe, "enter B"));
  MovePointer(10, 10);
  EXPECT_TRUE(Expect(*probe, "leave B"));
  Signal(*probe, SIGTERM);
  EXPECT_EQ(WaitExit(*probe), 0);
}

}  // namespace
}  // namespace corvane::e2e
