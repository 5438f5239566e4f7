#include "core/zoom.h"

#include <gtest/gtest.h>

#include "tests/support/platform_test.h"

namespace corvane {
namespace {

using platform::Rect;

using Zoom = test_support::PlatformTest;

TEST_F(Zoom, OpensFromThePointToTheWindowAndClosesBackIntoIt) {
  constexpr platform::HWND kGone = 0x7777;

  struct Case {
    void (*zoom)(platform::HWND);
    platform::HWND window;
    Rect from, to;
  };
  const Rect point{400, 300, 400, 300};
  const Case cases[] = {
      // A window that cannot be read animates to or from the screen's top-left corner; the dialog's
      // own zoom between the point and its place is checked with the dialog.
      {ZoomOpen, kGone, point, Rect{}},
      {ZoomClose, kGone, Rect{}, point},
  };
  Zoom_X = 400;
  Zoom_Y = 300;
  for (const Case& c : cases) {
    c.zoom(c.window);
    ASSERT_FALSE(windows_.Animations().empty());
    const auto& [from, to] = windows_.Animations().back();
    EXPECT_EQ(from, c.from);
    EXPECT_EQ(to, c.to);
  }
  EXPECT_EQ(windows_.Animations().size(), std::size(cases));
}

}  // namespace
}  // namespace corvane
