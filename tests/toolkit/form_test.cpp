#include "toolkit/form.h"

#include <vector>

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/picture_box.h"
#include "winapi/user32.h"

namespace corvane::platform {
namespace {

TEST_F(FormsTest, GeometryInTwipsSnapsToPixelsAtTheScreensDpi) {
  struct Case {
    double dpi;
    int strip_pixels;
    double strip_twips_read_back;
  };
  for (const Case& c : {Case{96, 171, 2565}, Case{120, 213, 2556}, Case{144, 256, 2560}}) {
    windows_.SetScreen(Size{1024, 768}, c.dpi);
    Form form("f", BorderStyle::kNone);
    PictureBox strip(&form);
    strip.Move(0, 0, 2560, 3000);
    EXPECT_EQ(strip.bounds().Width(), c.strip_pixels) << c.dpi;
    EXPECT_DOUBLE_EQ(strip.Width(), c.strip_twips_read_back) << c.dpi;
    EXPECT_EQ(strip.Image().width(), c.strip_pixels);
    // A form sized to the screen in twips has the screen's pixels inside.
    form.Move(0, 0, 1024 * TwipsPerPixelX(), 768 * TwipsPerPixelY());
    EXPECT_EQ(form.Image().width(), 1024);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), 1024 * static_cast<double>(TwipsPerPixelX()));
    form.SetScaleMode(ScaleMode::kPixels);
    EXPECT_DOUBLE_EQ(form.ScaleHeight(), 768);
  }
}

TEST_F(FormsTest, LoadShowAndUnloadRunTheHandlersOnceAndTheLastUnloadEndsTheProgram) {
  std::vector<std::string> log;
  Form form("Corvane_Main", BorderStyle::kNone);
  form.on_load = [&] { log.push_back("load"); };
  form.on_unload = [&] { log.push_back("unload"); };
  form.Load();
  form.Load();
  ASSERT_NE(form.hWnd(), 0u);
  EXPECT_FALSE(windows_.Find(form.hWnd())->visible) << "loading does not show";
  EXPECT_EQ(FindWindowA(nullptr, "Corvane_Main"), form.hWnd());
  form.Show();
  EXPECT_TRUE(windows_.Find(form.hWnd())->visible);
  EXPECT_FALSE(windows_.Find(form.hWnd())->grabbed) << "only a full-screen form grabs";
  const HWND window = form.hWnd();
  form.Unload();
  form.Unload();
  EXPECT_EQ(log, (std::vector<std::string>{"load", "unload"}));
  EXPECT_FALSE(windows_.Exists(window));
  EXPECT_EQ(Form::LoadedCount(), 0);
  EXPECT_TRUE(loop_.Quitting());
}

TEST_F(FormsTest, AModalShowReturnsWhenTheFormIsClosed) {
  Form dialog("<Corvane>", BorderStyle::kNone);
  Form other("other");
  other.Load();  // Keeps the program alive after the dialog.
  dialog.on_load = [&] { PostMessageA(dialog.hWnd(), kWmClose, 0, 0); };
  dialog.Show(ShowMode::kModal);
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_FALSE(loop_.Quitting());
  other.Unload();
}

TEST_F(FormsTest, KeysFromAnyControlReachTheFormOnlyWhileItIsShown) {
  Form form("f", BorderStyle::kNone);
  form.SetScaleMode(ScaleMode::kPixels);
  form.Move(0, 0, 300 * 15, 200 * 15);
  PictureBox display(&form);
  display.Move(0, 0, 300, 200);
  std::vector<std::pair<int, int>> keys;
  form.on_key_down = [&](int key, int shift) { keys.emplace_back(key, shift); };
  form.Load();
  windows_.GiveFocus(display.hWnd());
  windows_.Key('A');
  EXPECT_TRUE(keys.empty()) << "a loaded but hidden form hears nothing";
  form.Show();
  windows_.GiveFocus(display.hWnd());
  windows_.Key('A', kShiftMask);
  windows_.GiveFocus(form.hWnd());
  windows_.Key(kVkEscape);
  EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{'A', kShiftMask}, {kVkEscape, 0}}));
  form.Unload();
}

}  // namespace
}  // namespace corvane::platform
