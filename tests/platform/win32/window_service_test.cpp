#include "platform/win32/window_service.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace corvane::platform::win32 {
namespace {

// Runs the thread's messages for at least ms milliseconds, as the event loop would (translate:
// with TranslateMessage). Wine shows what was drawn only after such a pump.
void Pump(DWORD ms = 50, bool translate = true) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (translate) TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

::HWND Sys(HWND w) { return reinterpret_cast<::HWND>(static_cast<std::intptr_t>(w)); }

// Everything a listener hears, as text, in order: the call's name and its numbers.
struct Recorder : WindowListener {
  std::vector<std::string> heard;
  template <typename... Parts>
  void Add(std::string name, Parts... parts) {
    ((name += " " + std::to_string(parts)), ...);
    heard.push_back(name);
  }
  void Mouse(const char* name, const MouseEvent& m, int steps = 0) {
    Add(name, steps, m.button, m.shift, m.x, m.y, m.screen_x, m.screen_y);
  }
  void OnKeyDown(const KeyEvent& k) override { Add("key " + k.text, k.key_code, k.shift); }
  void OnMouseDown(const MouseEvent& m) override { Mouse("down", m); }
  void OnMouseUp(const MouseEvent& m) override { Mouse("up", m); }
  void OnMouseMove(const MouseEvent& m) override { Mouse("move", m); }
  void OnMouseWheel(const MouseEvent& m, int steps) override { Mouse("wheel", m, steps); }
  void OnFocus(bool gained) override { Add("focus", gained); }
  void OnPointerCrossing(bool entered) override { Add("enter", entered); }
  void OnExpose(const Rect& r) override { Add("expose", r.left, r.top, r.right, r.bottom); }
  void OnCloseRequest() override { Add("close"); }
  void OnDestroyed() override { Add("destroyed"); }
};

class Win32Windows : public ::testing::Test {
 protected:
  // A borderless window at a known place, shown, with the listener's record emptied.
  HWND Shown(const Rect& bounds = {100, 80, 164, 128}) {
    const HWND w =
        service_.Create(WindowDesc{0, bounds, WindowFrame::kBorderless, "test"}, &heard_);
    service_.Show(w);
    Pump();
    heard_.heard.clear();
    return w;
  }
  // A window of another kind than ours, as a host's would be.
  static ::HWND Foreign() {
    return CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 300, 300, 200, 150,
                           nullptr, nullptr, nullptr, nullptr);
  }
  Rect ClientOnScreen(HWND w) {
    RECT r{};
    GetClientRect(Sys(w), &r);
    MapWindowPoints(Sys(w), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
  }

  int end_requests_ = 0;
  Win32WindowService service_{[this] { ++end_requests_; }};
  Recorder heard_;
};

TEST_F(Win32Windows, EachFrameRoundTripsThroughTheQueries) {
  struct Case {
    WindowFrame frame;
    DWORD style, ex_style;  // Bits that must be set.
  } cases[] = {
      {WindowFrame::kNormal, WS_CAPTION, 0},
      {WindowFrame::kBorderless, WS_POPUP, 0},
      {WindowFrame::kOverlay, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW},
      {WindowFrame::kPopup, WS_POPUP, WS_EX_TOPMOST | WS_EX_NOACTIVATE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.frame));
    const HWND w =
        service_.Create(WindowDesc{0, {50, 60, 250, 210}, c.frame, "Corvane ü 表示"}, nullptr);
    ASSERT_NE(w, 0u);
    EXPECT_EQ(GetWindowLongW(Sys(w), GWL_STYLE) & c.style, c.style);
    EXPECT_EQ(GetWindowLongW(Sys(w), GWL_EXSTYLE) & c.ex_style, c.ex_style);
    EXPECT_EQ(service_.FindTopLevel("Corvane ü 表示"), w);
    EXPECT_EQ(service_.Parent(w), 0u);
    // The bounds are the area drawn in; a caption lies outside it.
    EXPECT_EQ(ClientOnScreen(w), (Rect{50, 60, 250, 210}));
    service_.Show(w);
    EXPECT_TRUE(IsWindowVisible(Sys(w)));
    service_.Move(w, {10, 20, 110, 70});
    EXPECT_EQ(ClientOnScreen(w), (Rect{10, 20, 110, 70}));
    service_.SetCaption(w, "renamed ♪");
    EXPECT_EQ(service_.FindTopLevel("renamed ♪"), w);
    service_.Hide(w);
    EXPECT_FALSE(IsWindowVisible(Sys(w)));
    service_.Destroy(w);
    EXPECT_FALSE(service_.Exists(w));
    EXPECT_EQ(service_.ScreenRect(w), Rect{});
  }
}

TEST_F(Win32Windows, ChildrenLiveInOursOrForeignWindowsAndMoveBetweenThem) {
  const HWND top = Shown();
  const ::HWND host = Foreign();
  const HWND child = service_.Create(WindowDesc{top, {4, 6, 20, 30}, {}, {}}, nullptr);
  EXPECT_EQ(service_.Parent(child), top);
  EXPECT_EQ(service_.ScreenRect(child), (Rect{104, 86, 120, 110}));
  EXPECT_TRUE(service_.Reparent(child, static_cast<HWND>(reinterpret_cast<std::uintptr_t>(host))));
  EXPECT_EQ(Sys(service_.Parent(child)), host);
  EXPECT_EQ(service_.ScreenRect(child), (Rect{300, 300, 316, 324}));
  EXPECT_TRUE(service_.Reparent(child, 0));
  EXPECT_EQ(service_.Parent(child), 0u);
  EXPECT_FALSE(service_.Reparent(child, 0x7FFFFF0));
  EXPECT_EQ(service_.Create(WindowDesc{0x7FFFFF0, {0, 0, 5, 5}, {}, {}}, nullptr), 0u);
  DestroyWindow(host);
}

TEST_F(Win32Windows, OnlyWindowsDestroyedBySomebodyElseReportIt) {
  struct Case {
    std::string how;
    int destroyed;
  } cases[] = {{"foreign parent", 1}, {"DestroyWindow", 1}, {"service", 0}, {"our parent", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    const ::HWND host = Foreign();
    const HWND top = Shown();
    const HWND parent =
        c.how == "foreign parent" ? static_cast<HWND>(reinterpret_cast<std::uintptr_t>(host)) : top;
    Recorder child_heard;
    const HWND child = service_.Create(WindowDesc{parent, {0, 0, 10, 10}, {}, {}}, &child_heard);
    if (c.how == "foreign parent") DestroyWindow(host);
    if (c.how == "DestroyWindow") DestroyWindow(Sys(child));
    if (c.how == "service") service_.Destroy(child);
    if (c.how == "our parent") service_.Destroy(top);
    Pump();
    EXPECT_FALSE(service_.Exists(child));
    EXPECT_EQ(static_cast<int>(child_heard.heard.size()), c.destroyed);
    service_.Destroy(top);
    DestroyWindow(host);
  }
}

TEST_F(Win32Windows, CloseRequestsLeaveTheWindowAndSessionEndReachesTheLoop) {
  const HWND w = Shown();
  EXPECT_TRUE(service_.RequestClose(w));
  EXPECT_TRUE(heard_.heard.empty());  // Posted: after the caller's handler.
  Pump();
  SendMessageW(Sys(w), WM_CLOSE, 0, 0);
  EXPECT_EQ(heard_.heard, (std::vector<std::string>{"close", "close"}));
  EXPECT_TRUE(service_.Exists(w));
  EXPECT_FALSE(service_.RequestClose(0x7FFFFF0));
  SendMessageW(Sys(w), WM_ENDSESSION, FALSE, 0);
  EXPECT_EQ(end_requests_, 0);
  SendMessageW(Sys(w), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(end_requests_, 1);
}

TEST_F(Win32Windows, KeysCarryTheirCodeShiftAndTypedText) {
  struct Case {
    UINT message;
    WPARAM key;
    std::wstring chars;  // What TranslateMessage would have posted behind the key.
    BYTE held;           // A modifier held down, or 0.
    const char* heard;
  } cases[] = {
      {WM_KEYDOWN, 'A', L"a", 0, "key a 65 0"},
      {WM_KEYDOWN, 'A', L"A", VK_SHIFT, "key A 65 1"},
      {WM_KEYDOWN, VK_OEM_COMMA, L",", 0, "key , 229 0"},
      {WM_KEYDOWN, VK_LEFT, L"", 0, "key  37 0"},
      {WM_KEYDOWN, VK_F5, L"", 0, "key  116 0"},
      {WM_KEYDOWN, VK_NUMPAD7, L"7", 0, "key 7 103 0"},
      {WM_KEYDOWN, VK_BACK, L"\b", 0, "key  8 0"},
      {WM_KEYDOWN, 'A', L"\x01", VK_CONTROL, "key  65 2"},
      {WM_SYSKEYDOWN, 'X', L"", VK_MENU, "key  88 4"},
      {WM_KEYDOWN, 'Q', L"@", VK_RMENU, "key @ 81 6"},  // AltGr: Ctrl and Alt.
      {WM_KEYDOWN, VK_RETURN, L"é", 0, "key é 13 0"},
      {0, 0, L"\xD83D\xDE00", 0, "key 😀 229 0"},  // From an input method, no key.
  };
  const HWND w = Shown();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heard);
    BYTE keys[256] = {};
    if (c.held != 0) keys[c.held] = 0x80;
    if (c.held == VK_RMENU) keys[VK_MENU] = keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    if (c.message != 0) PostMessageW(Sys(w), c.message, c.key, 1);
    for (wchar_t ch : c.chars) PostMessageW(Sys(w), WM_CHAR, ch, 1);
    Pump(20, false);
    EXPECT_EQ(heard_.heard, std::vector<std::string>{c.heard});
    heard_.heard.clear();
  }
  BYTE none[256] = {};
  SetKeyboardState(none);
  // The loop's own TranslateMessage makes the characters.
  PostMessageW(Sys(w), WM_KEYDOWN, 'B', MAKELPARAM(1, 0x30));
  Pump(20, true);
  EXPECT_EQ(heard_.heard, std::vector<std::string>{"key b 66 0"});
}

TEST_F(Win32Windows, MouseMessagesBecomeButtonsMotionAndWheelNotches) {
  struct Case {
    UINT message;
    WPARAM wparam;
    int x, y;  // Window coordinates; screen ones for the wheel.
    const char* heard;
  } cases[] = {
      {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 10, 20, "down 0 1 1 10 20 110 100"},
      {WM_RBUTTONUP, MK_CONTROL, 3, 4, "up 0 2 2 3 4 103 84"},
      {WM_MBUTTONDOWN, MK_MBUTTON, 0, 0, "down 0 4 0 0 0 100 80"},
      {WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, -5, -7, "move 0 3 0 -5 -7 95 73"},
      {WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, -5, -7, ""},  // Nothing moved.
      {WM_MOUSEMOVE, MK_LBUTTON, -5, -7, "move 0 1 0 -5 -7 95 73"},
      {WM_MOUSEWHEEL, static_cast<WPARAM>(-WHEEL_DELTA) << 16, 110, 90, "wheel 1 0 0 10 10 110 90"},
      {WM_MOUSEWHEEL, static_cast<WPARAM>(2 * WHEEL_DELTA) << 16, 110, 90,
       "wheel -2 0 0 10 10 110 90"},
      {WM_MOUSEWHEEL, static_cast<WPARAM>(WHEEL_DELTA / 2) << 16, 110, 90, ""},
      {WM_MOUSEWHEEL, static_cast<WPARAM>(WHEEL_DELTA / 2) << 16, 110, 90,
       "wheel -1 0 0 10 10 110 90"},
  };
  const HWND w = Shown();
  SetCursorPos(600, 600);  // Away from the window: no crossing in this table.
  Pump();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heard);
    SendMessageW(Sys(w), c.message, c.wparam, MAKELPARAM(c.x, c.y));
    const std::string last = heard_.heard.empty() ? "" : heard_.heard.back();
    EXPECT_EQ(last, c.heard);
    heard_.heard.clear();
  }
}

TEST_F(Win32Windows, FocusCrossingAndExposureReachTheListener) {
  const HWND w = Shown();
  const HWND child = service_.Create(WindowDesc{w, {0, 0, 20, 20}, {}, {}}, nullptr);
  service_.Show(child);
  const HWND other = service_.Create(WindowDesc{0, {400, 400, 450, 450}, {}, {}}, nullptr);
  service_.Show(other);
  Pump();
  heard_.heard.clear();
  service_.GiveFocus(w);
  service_.GiveFocus(other);
  // In, into our child (which is not leaving), out.
  SetCursorPos(150, 110);
  Pump(500);
  SetCursorPos(105, 85);
  Pump(500);
  SetCursorPos(700, 700);
  Pump(500);
  RECT dirty{25, 6, 35, 16};
  InvalidateRect(Sys(w), &dirty, FALSE);
  Pump();
  EXPECT_EQ(heard_.heard,
            (std::vector<std::string>{"focus 1", "focus 0", "enter 1", "move 0 0 0 50 30 150 110",
                                      "enter 0", "expose 25 6 35 16"}));
}

TEST_F(Win32Windows, PresentedPixelsReachTheScreenWithTheirColoursAndRows) {
  const HWND w = Shown({100, 80, 164, 128});
  auto red = gfx::Surface::Create(64, 48);
  red->Fill(gfx::Rgb(255, 0, 0));
  service_.Present(w, *red, {0, 0, 64, 48});
  // A view of a wider surface: rows further apart than the area is wide.
  auto wide = gfx::Surface::Create(200, 60);
  auto view = wide->View({30, 5, 94, 53});
  view->Fill(gfx::Rgb(0, 0, 255));
  view->Row(40)[20] = gfx::ToPixel(gfx::Rgb(0x12, 0x34, 0x56));
  service_.Present(w, *view, {10, 30, 40, 45});
  GdiFlush();
  Pump(200);
  HDC dc = GetDC(Sys(w));
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));    // Outside the second area.
  EXPECT_EQ(GetPixel(dc, 10, 30), RGB(0, 0, 255));  // Its first pixel.
  EXPECT_EQ(GetPixel(dc, 20, 40), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetPixel(dc, 39, 44), RGB(0, 0, 255));  // Its last.
  EXPECT_EQ(GetPixel(dc, 40, 44), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 39, 45), RGB(255, 0, 0));
  ReleaseDC(Sys(w), dc);
}

}  // namespace
}  // namespace corvane::platform::win32
