#include "core/zoom.h"

#include <gtest/gtest.h>

#include "os/service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_window_service.h"

namespace corvane {
namespace {

using platform::Rect;

TEST(Zoom, OpensFromThePointToTheWindowAndClosesBackIntoIt) {
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeWindowService windows(loop);
  platform::ScopedService<platform::WindowService> service(windows);
  platform::WindowDesc desc;
  desc.bounds = Rect{415, 235, 865, 554};
  const platform::HWND dialog = windows.Create(desc, nullptr);
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
    ASSERT_FALSE(windows.Animations().empty());
    const auto& [from, to] = windows.Animations().back();
    EXPECT_EQ(from, c.from);
    EXPECT_EQ(to, c.to);
  }
  EXPECT_EQ(windows.Animations().size(), std::size(cases));
}

}  // namespace
}  // namespace corvane
