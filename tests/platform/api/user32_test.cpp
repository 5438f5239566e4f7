#include "platform/api/user32.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_window_service.h"
#include "platform/service.h"

namespace corvane::platform {
namespace {

constexpr HWND kNoWindow = 0x7777777;

class DestroyListener : public WindowListener {
 public:
  void OnCloseRequest() override {}
  void OnDestroyed() override { ++destroyed; }
  int destroyed = 0;
};

// What user32 adds over the window service: argument checks, the styles it keeps, and the answers
// the program expects. The window bookkeeping itself belongs to the service and is tested there.
class User32Test : public ::testing::Test {
 protected:
  HWND CreateWindow(WindowListener* listener = nullptr) {
    WindowDesc desc;
    desc.bounds = Rect{0, 0, 152, 112};
    return windows_.Create(desc, listener);
  }

  fake::FakeEventLoop loop_;
  fake::FakeWindowService windows_{loop_};
  fake::FakeCursorService cursor_;
  ScopedService<EventLoop> loop_service_{loop_};
  ScopedService<WindowService> window_service_{windows_};
  ScopedService<CursorService> cursor_service_{cursor_};
};

TEST_F(User32Test, ShowCursorCountsFromZeroAndHidesOnlyBelowZero) {
  struct Step {
    int show, count;
    bool hidden;
  };
  for (const Step& s : {Step{0, -1, true}, Step{0, -2, true}, Step{1, -1, true}, Step{1, 0, false},
                        Step{1, 1, false}, Step{0, 0, false}}) {
    EXPECT_EQ(ShowCursor(s.show), s.count);
    EXPECT_EQ(cursor_.hidden(), s.hidden) << "count " << s.count;
  }
}

TEST_F(User32Test, CallsAnswerWhatTheProgramUsesAndRefuseTheRest) {
  const HWND window = CreateWindow();
  const Rect point{40, 30, 40, 30};
  const Rect box{100, 100, 550, 419};
  const HWND display = windows_.AddForeignWindow(Rect{0, 0, 10, 10}, "Corvane_Main");
  EXPECT_EQ(FindWindowA(nullptr, "Corvane_Main"), display);
  EXPECT_EQ(FindWindowA("SomeClass", "Corvane_Main"), 0u);
  EXPECT_EQ(FindWindowA(nullptr, nullptr), 0u);
  Rect rect{1, 1, 1, 1};
  EXPECT_EQ(GetWindowRect(kNoWindow, &rect), 0);
  EXPECT_EQ(rect, Rect{});
  EXPECT_EQ(GetWindowRect(window, nullptr), 0);
  EXPECT_EQ(GetCursorPos(nullptr), 0);
  EXPECT_EQ(SetParent(window, kNoWindow), 0u);
  EXPECT_EQ(PostMessageA(window, kWmClose + 1, 0, 0), 0);
  EXPECT_EQ(PostMessageA(kNoWindow, kWmClose, 0, 0), 0);
  EXPECT_EQ(PostMessageA(window, kWmClose, 0, 0), 1);
  EXPECT_EQ(SetWindowPos(window, kHwndTopmost, 5, 5, 0, 0, 0), 0) << "moving is not supported";
  EXPECT_EQ(SetWindowPos(kNoWindow, kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove), 0);
  EXPECT_FALSE(windows_.Find(window)->topmost);
  EXPECT_EQ(SetWindowPos(window, kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove), 1);
  EXPECT_TRUE(windows_.Find(window)->topmost);
  EXPECT_EQ(DrawAnimatedRects(window, kIdaniCaption + 1, &point, &box), 0);
  EXPECT_EQ(DrawAnimatedRects(window, kIdaniCaption, &point, &box), 1);
  EXPECT_EQ(windows_.Animations().size(), 1u);
}

TEST_F(User32Test, StylesAreKeptPerWindowAndSetParentAnswersTheDesktopForNone) {
  DestroyListener listener;
  const HWND host = windows_.AddForeignWindow(Rect{300, 200, 452, 312}, "host");
  const HWND preview = CreateWindow(&listener);
  const std::int32_t style = GetWindowLongA(preview, kGwlStyle);
  EXPECT_EQ(style, kWsPopup | kWsVisible) << "a top-level window";
  EXPECT_EQ(SetWindowLongA(preview, kGwlStyle, style | kWsChild), style);
  EXPECT_EQ(GetWindowLongA(preview, kGwlStyle), style | kWsChild);
  EXPECT_EQ(SetParent(preview, host), GetDesktopWindow());
  EXPECT_EQ(SetParent(preview, host), host);
  const HWND child = windows_.AddForeignWindow(Rect{0, 0, 1, 1}, "", host);
  EXPECT_EQ(GetWindowLongA(child, kGwlStyle), kWsChild | kWsVisible) << "derived from the parent";
  windows_.DestroyForeign(host);
  EXPECT_EQ(listener.destroyed, 1);
  EXPECT_EQ(GetWindowLongA(preview, kGwlStyle), 0) << "a destroyed window keeps no style";
}

TEST_F(User32Test, ScreenDeviceContextsExistOnlyForTheDesktopAndUntilReleased) {
  EXPECT_EQ(GetDC(CreateWindow()), 0u);
  EXPECT_EQ(GetDC(0), 0u);
  const HDC a = GetDC(GetDesktopWindow());
  const HDC b = GetDC(GetDesktopWindow());
  EXPECT_NE(a, b);
  EXPECT_TRUE(gfx::DeviceContexts::IsScreen(a));
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), a), 1);
  EXPECT_FALSE(gfx::DeviceContexts::IsScreen(a));
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), a), 0);
  gfx::Surface surface = *gfx::Surface::Create(1, 1);
  const HDC memory = gfx::DeviceContexts::Register(&surface);
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), memory), 0) << "a surface's context is not the screen's";
  gfx::DeviceContexts::Release(memory);
  ReleaseDC(GetDesktopWindow(), b);
}

}  // namespace
}  // namespace corvane::platform
