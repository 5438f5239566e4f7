#include "core/zoom.h"

#include <gtest/gtest.h>

#include "tests/support/platform_test.h"

namespace corvane {
namespace {

using platform::Rect;

using Zoom = test_support::PlatformTest;

TEST_F(Zoom, OpensFromThePointToTheWindowAndClosesBackIntoIt) {
  platform::WindowDesc desc;
  desc.bounds = Rect{415, 235, 865, 554};
  const platform::HWND dialog = windows_.Create(desc, nullptr);
  constexpr platform::HWND kGone = 0x7777;

  struct Case {
    void (*zoom)(platform::HWND);
    platform::HWND window;
    Rect from, to;
  };
  const Rect point{400, 300, 400, 300};
  const Case cases[] = {
      {ZoomOpen, dialog, point, desc.bounds},
      {ZoomClose, dialog, desc.bounds, point},
      // A window that cannot be read animates to or from the screen's top-left corner.
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
