#include <X11/keysym.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/differing_columns.h"
#include "tests/e2e/program_copy.h"
#include "tests/e2e/xvfb_fixture.h"
#include "tests/support/settings_file.h"

namespace corvane::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 256;
constexpr int kHeight = 48;

class DisplayE2e : public XvfbTest {
 protected:
  // At 120 dpi, 12 pixels for 2560 twips: a strip 213 pixels wide.
  ScreenOptions Options() const override { return {kWidth, kHeight, 120, {}}; }
};

// A copy of the program and its effect library runs from a folder of the test's own. Frames read
// back while the strip crosses the screen: everything but the strip's columns is the desktop as it
// was, and the strip has its full width once it is wholly on the screen (its steps and turns are
// checked frame by frame on the fakes). Something that covers the saver is covered again in turn;
// a key ends the saver; the settings file is left as it was.
TEST_F(DisplayE2e, TheStripSweepsTheCapturedDesktopUntilAKey) {
  constexpr int kStripWidth = 213;
  ProgramCopy copy(BuildPath("."), true);
  const std::string settings = test_support::Ini(0, "0");
  test_support::WriteFileBytes(copy.Path("Corvane.ini"), settings);
  // Bands of colour, and a white bar across them, for the saver to capture.
  const std::uint32_t colours[] = {0xC03020, 0x20A040, 0x2040C0, 0xE0C020,
                                   0x8030A0, 0x30B0B0, 0x606060, 0xF08080};
  for (int band = 0; band < 8; ++band) {
    PaintWindow(band * kWidth / 8, 0, kWidth / 8, kHeight, colours[band]);
  }
  PaintWindow(0, kHeight / 3, kWidth, kHeight / 6, 0xFFFFFF);
  const std::vector<std::uint32_t> desktop = ReadPixels(root(), 0, 0, kWidth, kHeight);

  Child* saver = Launch(copy.program(), {"/s"}, copy.Environment());
  ASSERT_NE(saver, nullptr);
  ASSERT_NE(WaitForWindow("Corvane_Main"), 0u);
  bool saw_whole = false;
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  while (!saw_whole && std::chrono::steady_clock::now() < deadline) {
    const auto [first, last] =
        DifferingColumns(ReadPixels(root(), 0, 0, kWidth, kHeight), desktop, kWidth, kHeight);
    ASSERT_LE(last - first + 1, kStripWidth);
    saw_whole = first > 0 && last < kWidth - 1;
    EXPECT_TRUE(!saw_whole || last - first + 1 == kStripWidth) << first << " to " << last;
  }
  EXPECT_TRUE(saw_whole);

  PaintWindow(0, 0, kWidth, kHeight, 0x123456);
  EXPECT_TRUE(
      WaitUntil([&] { return ReadPixels(root(), 5, 5, 1, 1)[0] == desktop[5 * kWidth + 5]; }));

  PressKey(XK_Shift_L);
  // Well within a second; the bound is loose for a machine shared with sanitizer builds.
  EXPECT_EQ(WaitExit(*saver, 5s), 0);
  EXPECT_EQ(test_support::ReadFileBytes(copy.Path("Corvane.ini")), settings);
}

}  // namespace
}  // namespace corvane::e2e
