#include <string>
#include <vector>

#include "tests/toolkit/forms_fixture.h"
#include "toolkit/form.h"
#include "toolkit/image_control.h"
#include "toolkit/label.h"

namespace corvane::platform {
namespace {

class WindowlessTest : public FormsTest {
 protected:
  void SetUp() override {
    form_.SetScaleMode(ScaleMode::kPixels);
    form_.Move(0, 0, 40 * 15, 30 * 15);
    form_.SetBackColor(gfx::Rgb(0, 0, 0));
    form_.Load();
    form_.Show();
  }
  void TearDown() override { form_.Unload(); }
  Form form_{"f", BorderStyle::kNone};
};

TEST_F(WindowlessTest, AnImageShowsAtItsOwnSizeCutByTheControlOrStretched) {
  constexpr gfx::Pixel kRed = 0x00FF0000, kGreen = 0x0000FF00, kForm = 0;
  gfx::Surface picture = SolidSurface(4, 3, gfx::Rgb(255, 0, 0));
  picture.Row(0)[0] = kGreen;  // A marked corner.
  struct Probe {
    Point at;
    gfx::Pixel shows;
  };
  struct Case {
    Rect bounds;
    bool stretch;
    Probe probes[3];
  };
  for (const Case& c : {
           // Larger than the picture: the picture at the top-left, the rest shows the form.
           Case{Rect{5, 5, 15, 15}, false, {{{8, 7}, kRed}, {{9, 5}, kForm}, {{5, 5}, kGreen}}},
           // Smaller: cut at the right and bottom.
           Case{Rect{5, 5, 7, 7}, false, {{{6, 6}, kRed}, {{7, 5}, kForm}, {{5, 5}, kGreen}}},
           // Stretched to 8 x 6: each picture pixel covers 2 x 2.
           Case{Rect{5, 5, 13, 11}, true, {{{12, 10}, kRed}, {{13, 5}, kForm}, {{6, 6}, kGreen}}},
           // Smaller and past the form's top-left corner: the picture keeps its place, and beside
           // and below the control, where the rest of the picture would go, the form shows.
           Case{Rect{-1, -1, 2, 1}, false, {{{0, 0}, kRed}, {{2, 0}, kForm}, {{0, 1}, kForm}}},
       }) {
    ImageControl image(&form_);
    image.SetPicture(picture);
    image.SetStretch(c.stretch);
    image.SetBounds(c.bounds);
    for (const Probe& probe : c.probes) {
      EXPECT_EQ(ScreenAt(probe.at.x, probe.at.y), probe.shows)
          << c.bounds.left << "," << c.bounds.top << " at " << probe.at.x << "," << probe.at.y;
    }
  }
  EXPECT_EQ(ScreenAt(8, 7), 0u) << "a destroyed control leaves nothing behind";
}

TEST_F(WindowlessTest, ALabelPaintsOnlyItsGlyphsInItsColourAndBreaksAtBlanks) {
  form_.SetBackColor(gfx::Rgb(10, 20, 30));
  Label label(&form_);
  label.SetFont(gfx::FontSpec{"x", 6.0F});  // 8 pixels at 96 dpi: glyphs 4 wide, lines 8 high.
  label.SetForeColor(gfx::Rgb(255, 255, 0));
  label.SetBounds(Rect{2, 2, 30, 28});
  label.SetCaption("AB CD EF");
  // 8 characters are 32 pixels: too wide, so the line breaks after the word that still fits.
  EXPECT_EQ(label.Lines(), (std::vector<std::string>{"AB CD", "EF"}));
  // A box glyph covers its advance but the first and last column, down to the baseline.
  EXPECT_EQ(ScreenAt(2 + 1, 2), 0x00FFFF00u);
  EXPECT_EQ(ScreenAt(2, 2), 0x000A141Eu) << "transparent: the form shows between glyphs";
  EXPECT_EQ(ScreenAt(2 + 1, 2 + 8), 0x00FFFF00u) << "second line";
  EXPECT_EQ(ScreenAt(2 + 13, 2), 0x00FFFF00u) << "C after A, B and a blank";
  EXPECT_EQ(ScreenAt(2 + 9, 2), 0x000A141Eu) << "the blank";
  label.SetCaption("");
  EXPECT_EQ(ScreenAt(3, 2), 0x000A141Eu);
}

TEST_F(WindowlessTest, ALabelBreaksAWordLongerThanALineAtAnyCharacter) {
  Label label(&form_);
  label.SetFont(gfx::FontSpec{"x", 6.0F});  // Glyphs 4 pixels wide: 7 to a 28-pixel line.
  label.SetBounds(Rect{0, 0, 28, 30});
  struct Case {
    const char* caption;
    std::vector<std::string> lines;
  };
  for (const Case& c : {
           Case{"C:\\Music\\Long.mp3", {"C:\\Musi", "c\\Long.", "mp3"}},
           Case{"ab C:\\Music\\x", {"ab", "C:\\Musi", "c\\x"}},
           // A wide character counts whole: 8 pixels each, 3 to a line, never split in its bytes.
           Case{"音楽音楽音楽音", {"音楽音", "楽音楽", "音"}},
       }) {
    label.SetCaption(c.caption);
    EXPECT_EQ(label.Lines(), c.lines) << c.caption;
  }
}

}  // namespace
}  // namespace corvane::platform
