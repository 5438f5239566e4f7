#include "platform/api/user32.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_window_service.h"
#include "platform/service.h"

namespace corvane::platform {
namespace {

WindowDesc Desc(const Rect& bounds, HWND parent = 0) {
  WindowDesc desc;
  desc.parent = parent;
  desc.bounds = bounds;
  return desc;
}

class RecordingListener : public WindowListener {
 public:
  void OnCloseRequest() override { ++close_requests; }
  void OnDestroyed() override { ++destroyed; }
  int close_requests = 0;
  int destroyed = 0;
};

class User32Test : public ::testing::Test {
 protected:
  fake::FakeEventLoop loop_;
  fake::FakeWindowService windows_{loop_};
  fake::FakeCursorService cursor_;
  ScopedService<EventLoop> loop_service_{loop_};
  ScopedService<WindowService> window_service_{windows_};
  ScopedService<CursorService> cursor_service_{cursor_};
};

TEST_F(User32Test, ShowCursorCountsFromZeroAndHidesOnlyBelowZero) {
  struct Step {
    int show;
    int count;
    bool hidden;
  };
  for (const Step& s : {Step{0, -1, true}, Step{0, -2, true}, Step{1, -1, true}, Step{1, 0, false},
                        Step{1, 1, false}, Step{0, 0, false}}) {
    EXPECT_EQ(ShowCursor(s.show), s.count);
    EXPECT_EQ(cursor_.hidden(), s.hidden) << "count " << s.count;
  }
}

TEST_F(User32Test, FindWindowMatchesExactCaptionsOfTopLevelWindowsOnly) {
  const HWND display = windows_.AddForeignWindow(Rect{0, 0, 10, 10}, "Corvane_Main");
  windows_.AddForeignWindow(Rect{0, 0, 10, 10}, "<Corvane>", display);  // A child: not top-level.
  EXPECT_EQ(FindWindowA(nullptr, "Corvane_Main"), display);
  EXPECT_EQ(FindWindowA(nullptr, "Corvane_Mai"), 0u);
  EXPECT_EQ(FindWindowA(nullptr, "<Corvane>"), 0u);
  EXPECT_EQ(FindWindowA("SomeClass", "Corvane_Main"), 0u);
  EXPECT_EQ(FindWindowA(nullptr, nullptr), 0u);
}

TEST_F(User32Test, GetWindowRectIsInScreenPixelsAndZeroForMissingWindows) {
  const HWND host = windows_.AddForeignWindow(Rect{100, 50, 400, 250}, "host");
  const HWND pane = windows_.AddForeignWindow(Rect{10, 20, 162, 132}, "", host);
  Rect rect{1, 2, 3, 4};
  EXPECT_EQ(GetWindowRect(pane, &rect), 1);
  EXPECT_EQ(rect, (Rect{110, 70, 262, 182}));
  for (const HWND missing : {HWND{0}, HWND{0x7777777}}) {
    rect = Rect{1, 2, 3, 4};
    EXPECT_EQ(GetWindowRect(missing, &rect), 0);
    EXPECT_EQ(rect, Rect{});
  }
  windows_.DestroyForeign(host);
  EXPECT_EQ(GetWindowRect(pane, &rect), 0) << "a child goes with its parent";
}

TEST_F(User32Test, AWindowBecomesAChildOfAForeignHostAndLearnsOfItsDestruction) {
  RecordingListener listener;
  const HWND host = windows_.AddForeignWindow(Rect{300, 200, 452, 312}, "host");
  const HWND preview = windows_.Create(Desc(Rect{0, 0, 152, 112}), &listener);
  const std::int32_t style = GetWindowLongA(preview, kGwlStyle);
  EXPECT_EQ(style & kWsChild, 0);
  EXPECT_EQ(SetWindowLongA(preview, kGwlStyle, style | kWsChild), style);
  EXPECT_EQ(GetWindowLongA(preview, kGwlStyle), style | kWsChild);
  EXPECT_EQ(SetParent(preview, host), GetDesktopWindow());
  EXPECT_EQ(windows_.Parent(preview), host);
  Rect rect;
  GetWindowRect(preview, &rect);
  EXPECT_EQ(rect, (Rect{300, 200, 452, 312}));
  EXPECT_EQ(SetParent(preview, 0x7777777), 0u) << "no such parent";
  windows_.DestroyForeign(host);
  EXPECT_EQ(listener.destroyed, 1);
  EXPECT_EQ(GetWindowLongA(preview, kGwlStyle), 0);
}

TEST_F(User32Test, PostedCloseArrivesAfterTheCallerReturns) {
  RecordingListener listener;
  const HWND window = windows_.Create(Desc(Rect{0, 0, 10, 10}), &listener);
  EXPECT_EQ(PostMessageA(window, kWmClose, 0, 0), 1);
  EXPECT_EQ(listener.close_requests, 0);
  loop_.DrainPosted();
  EXPECT_EQ(listener.close_requests, 1);
  EXPECT_EQ(PostMessageA(0x7777777, kWmClose, 0, 0), 0);
  // A window destroyed before the message is handled never hears of it.
  PostMessageA(window, kWmClose, 0, 0);
  windows_.Destroy(window);
  loop_.DrainPosted();
  EXPECT_EQ(listener.close_requests, 1);
}

TEST_F(User32Test, ScreenDeviceContextsExistOnlyForTheDesktopAndUntilReleased) {
  const HWND other = windows_.AddForeignWindow(Rect{0, 0, 10, 10}, "x");
  EXPECT_EQ(GetDC(other), 0u);
  const HDC a = GetDC(GetDesktopWindow());
  const HDC b = GetDC(GetDesktopWindow());
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  EXPECT_TRUE(gfx::DeviceContexts::IsScreen(a));
  EXPECT_EQ(gfx::DeviceContexts::Lookup(a), nullptr) << "never mistaken for a surface";
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), a), 1);
  EXPECT_FALSE(gfx::DeviceContexts::IsScreen(a));
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), a), 0);
  ReleaseDC(GetDesktopWindow(), b);
}

TEST_F(User32Test, TopmostPlacementAndCaptionAnimationAcceptOnlyWhatTheProgramUses) {
  const HWND window = windows_.Create(Desc(Rect{0, 0, 10, 10}), nullptr);
  EXPECT_EQ(SetWindowPos(window, kHwndTopmost, 0, 0, 0, 0, 0x13), 1);
  EXPECT_TRUE(windows_.Find(window)->topmost);
  EXPECT_EQ(SetWindowPos(0x7777777, kHwndTopmost, 0, 0, 0, 0, 0x13), 0);
  EXPECT_EQ(SetWindowPos(window, kHwndTopmost, 5, 5, 0, 0, 0), 0) << "moving is not supported";
  const Rect point{40, 30, 40, 30};
  const Rect box{100, 100, 550, 419};
  EXPECT_EQ(DrawAnimatedRects(window, kIdaniCaption, &point, &box), 1);
  EXPECT_EQ(DrawAnimatedRects(window, 1, &point, &box), 0);
  ASSERT_EQ(windows_.Animations().size(), 1u);
  EXPECT_EQ(windows_.Animations()[0].first, point);
  EXPECT_EQ(windows_.Animations()[0].second, box);
}

TEST_F(User32Test, CursorPositionAndWindowFromPointFindTheDeepestVisibleWindow) {
  const HWND top = windows_.Create(Desc(Rect{100, 100, 300, 300}), nullptr);
  const HWND child = windows_.Create(Desc(Rect{10, 10, 50, 50}, top), nullptr);
  windows_.Show(top);
  windows_.Show(child);
  windows_.MoveTo(Point{120, 125});
  Point pos;
  EXPECT_EQ(GetCursorPos(&pos), 1);
  EXPECT_EQ(pos, (Point{120, 125}));
  EXPECT_EQ(WindowFromPoint(pos), child);
  EXPECT_EQ(WindowFromPoint(Point{160, 160}), top);
  EXPECT_EQ(WindowFromPoint(Point{5, 5}), GetDesktopWindow());
  windows_.Hide(child);
  EXPECT_EQ(WindowFromPoint(pos), top);
}

}  // namespace
}  // namespace corvane::platform
