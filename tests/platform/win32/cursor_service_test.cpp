#include "platform/win32/cursor_service.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::platform::win32 {
namespace {

// The system's display count, read without changing it.
int SystemCount() {
  const int below = ShowCursor(FALSE);
  ShowCursor(TRUE);
  return below + 1;
}

class Win32Cursor : public ::testing::Test {
 protected:
  // The pointer our window asks for over its client area.
  HCURSOR Shown() {
    SendMessageW(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }

  Win32WindowService windows_{nullptr};
  ::HWND window_ = reinterpret_cast<::HWND>(static_cast<std::intptr_t>(
      windows_.Create(WindowDesc{0, {0, 0, 50, 50}, WindowFrame::kBorderless, {}}, nullptr)));
};

TEST_F(Win32Cursor, TheSystemCountHidesThePointerExactlyWhileTheProgramsIsBelowZero) {
  const int start = SystemCount();
  {
    Win32CursorService cursor(windows_);
    const bool shows[] = {false, false, true, true, true, false};
    for (bool show : shows) {
      const int count = cursor.ChangeDisplayCount(show);
      EXPECT_EQ(SystemCount() < start, count < 0) << count;
    }
    cursor.ChangeDisplayCount(false);
  }
  EXPECT_EQ(SystemCount(), start);  // Given back when the service goes while hidden.
}

TEST_F(Win32Cursor, ShapesReachTheWindowsAndTheScreenPointerOverridesTheControls) {
  Win32CursorService cursor(windows_);
  struct Case {
    int screen;
    PointerShape control;
    const wchar_t* shown;
  } cases[] = {
      {0, PointerShape::kHand, IDC_HAND},     {0, PointerShape::kHourglass, IDC_WAIT},
      {11, PointerShape::kHand, IDC_WAIT},    {1, PointerShape::kHand, IDC_ARROW},
      {0, PointerShape::kDefault, IDC_ARROW},
  };
  for (const Case& c : cases) {
    cursor.SetControlPointer(c.control);
    cursor.SetScreenPointer(c.screen);
    EXPECT_EQ(Shown(), LoadCursorW(nullptr, c.shown)) << c.screen;
  }
}

TEST_F(Win32Cursor, ACustomPointerKeepsItsHotSpotAndPixelClasses) {
  Win32CursorService cursor(windows_);
  CustomCursor custom;
  custom.hot_x = 3;
  custom.hot_y = 7;
  custom.mask[0] = 0xC0000000u;   // Row 0: two leftmost pixels opaque...
  custom.image[0] = 0x80000000u;  // ...black, then white.
  cursor.SetControlPointer(PointerShape::kCustom, &custom);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(Shown(), &info));
  EXPECT_EQ(info.xHotspot, 3u);
  EXPECT_EQ(info.yHotspot, 7u);
  // A monochrome pointer: the AND plane above the XOR plane, rows of 4 bytes.
  BYTE bits[256] = {};
  ASSERT_EQ(GetBitmapBits(info.hbmMask, sizeof bits, bits), 256);
  EXPECT_EQ(bits[0], 0x3F);    // AND: only the two opaque pixels hide the screen.
  EXPECT_EQ(bits[4], 0xFF);    // Row 1 is transparent.
  EXPECT_EQ(bits[128], 0x40);  // XOR: the second pixel is white.
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
}

}  // namespace
}  // namespace corvane::platform::win32
