#include "toolkit/picture_box.h"

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"
#include "winapi/gdi32.h"

namespace corvane::platform {
namespace {

class PictureBoxTest : public FormsTest {
 protected:
  void SetUp() override {
    form_.SetScaleMode(ScaleMode::kPixels);
    form_.Move(100 * 15, 50 * 15, 64 * 15, 32 * 15);
    form_.Load();
    form_.Show();
  }
  void TearDown() override { form_.Unload(); }
  Form form_{"f", BorderStyle::kNone};
};

TEST_F(PictureBoxTest, DrawingThroughTheHandleReachesTheWindowOnlyOnRefreshAndSurvivesExposure) {
  PictureBox box(&form_);
  box.Move(8, 4, 16, 8);
  box.SetBackColor(gfx::Rgb(0, 0, 255));
  ASSERT_TRUE(SetPixelV(box.hDC(), 3, 2, gfx::Rgb(0xFF, 0x80, 0x00)));
  box.Refresh();
  EXPECT_EQ(ScreenAt(100 + 8 + 3, 50 + 4 + 2), 0x00FF8000u);
  EXPECT_EQ(ScreenAt(100 + 8, 50 + 4), 0x000000FFu) << "background colour";
  SetPixelV(box.hDC(), 0, 0, gfx::Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(ScreenAt(108, 54), 0x000000FFu) << "not shown before Refresh";
  // The window system lost the pixels: the persistent image brings them back.
  windows_.Find(box.hWnd())->presented.Fill(0);
  box.OnExpose(Rect{0, 0, 16, 8});
  EXPECT_EQ(ScreenAt(108, 54), 0x00123456u);
  EXPECT_EQ(ScreenAt(111, 56), 0x00FF8000u);
}

TEST_F(PictureBoxTest, ResizingKeepsTheHandleAndWhatWasDrawn) {
  PictureBox box(&form_);
  box.Move(0, 0, 4, 4);
  box.SetBackColor(gfx::Rgb(0, 0, 255));
  const gfx::HDC hdc = box.hDC();
  SetPixelV(hdc, 1, 1, gfx::Rgb(0xAB, 0xCD, 0xEF));
  box.Move(0, 0, 10, 3);
  EXPECT_EQ(box.hDC(), hdc);
  EXPECT_EQ(box.Image().width(), 10);
  EXPECT_EQ(GetPixel(hdc, 9, 2), gfx::Rgb(0, 0, 255)) << "the handle draws on the new image";
  EXPECT_EQ(box.Image().Row(1)[1], 0x00ABCDEFu);
  EXPECT_EQ(box.Image().Row(1)[7], 0x000000FFu) << "new area in the background colour";
}

TEST_F(PictureBoxTest, AClickNeedsPressAndReleaseOfOneButtonOnTheBox) {
  PictureBox box(&form_);
  box.Move(0, 0, 32, 32);
  int clicks = 0;
  box.on_click = [&] { ++clicks; };
  windows_.ClickAt(Point{110, 60});
  EXPECT_EQ(clicks, 1);
  // Press on the box, drag off it (outside the form even) and release there: no click.
  windows_.PressAt(Point{110, 60}, kLeftButton);
  windows_.MoveTo(Point{300, 300});
  windows_.ReleaseAt(Point{300, 300}, kLeftButton);
  EXPECT_EQ(clicks, 1);
  // Releasing another button than the one pressed is no click either.
  windows_.PressAt(Point{110, 60}, kRightButton);
  windows_.ReleaseAt(Point{110, 60}, kLeftButton);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace corvane::platform
