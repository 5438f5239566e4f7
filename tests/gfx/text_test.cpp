#include "gfx/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "os/font_loader.h"
#include "platform/fake/fake_font_loader.h"
#include "tests/gfx/raster_test_util.h"

namespace corvane::gfx {
namespace {

// The fake box font at 13 px (9.75 pt at 96 dpi): ascent 10, descent 3; a narrow glyph advances
// 6 and paints columns 1..4 after its pen, a wide one advances 13 and paints columns 1..11, both
// over rows 0..9 of the line box. Underline row 11.
const FontSpec kDialogFont{"ＭＳ Ｐゴシック", 9.75F, 400, false, false, false, 128};
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kPaper = Rgb(10, 20, 30);

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
  ColorRef color;
};

// Every pixel is the background but those in the boxes, later boxes on top.
void ExpectPixels(const Surface& surface, ColorRef background, std::initializer_list<Box> boxes) {
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      ColorRef expected = background;
      for (const Box& box : boxes) {
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) expected = box.color;
      }
      ASSERT_EQ(ToColorRef(surface.Row(y)[x]), expected) << "pixel " << x << ", " << y;
    }
  }
}

class TextTest : public ::testing::Test {
 protected:
  FontFace Open(FontSpec spec = kDialogFont) { return *OpenFace(loader_, spec, 96); }
  FakeFontLoader loader_;
};

TEST(FontPixelSize, RoundsPointsAtTheScreenResolutionAndStaysInRange) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const auto& [points, dpi, pixels] : {std::tuple{9.75F, 96, 13},
                                            {9.75F, 144, 20},
                                            {-3.0F, 96, 1},
                                            {1e9F, 96, kMaxFontPixels},
                                            {nan, 96, 1}}) {
    EXPECT_EQ(FontPixelSize(points, dpi), pixels) << points << " pt at " << dpi;
  }
}

TEST_F(TextTest, MeasureAddsAdvancesAndKerningOverDecodedText) {
  FontFace face = Open();
  ASSERT_EQ(loader_.opened().size(), 1u);
  EXPECT_EQ(loader_.opened()[0].first, kDialogFont);
  EXPECT_EQ(loader_.opened()[0].second, 13) << "the requested font opened at its pixel size";
  struct Case {
    std::string_view text;
    int width;
  };
  const Case cases[] = {{"", 0},
                        {"ab", 12},
                        {"\xE8\xA8\xAD\xE5\xAE\x9A", 26},  // 設定: two wide glyphs
                        {"AV", 11},                        // kerned by -1
                        {"a\xFF", 19}};                    // the bad byte shows as one wide U+FFFD
  for (const Case& c : cases) {
    EXPECT_EQ(MeasureText(face, c.text), (TextSize{c.width, 13})) << c.text;
  }
}

TEST_F(TextTest, DrawPlacesGlyphsFromTheLineBoxTopLeftClippedOnEverySide) {
  FontFace face = Open();
  Surface placed = test::Filled(20, 16, kWhite);
  DrawText(placed, face, 2, 3, "a b", kBlack);
  // Pens at 2, 8 (space, nothing painted) and 14.
  ExpectPixels(placed, kWhite, {{3, 3, 7, 13, kBlack}, {15, 3, 19, 13, kBlack}});
  Surface surface = test::Filled(8, 6, kWhite);
  DrawText(surface, face, -4, -5, "ab", kBlack);
  // 'a' covers columns -3..0 and 'b' 3..6, rows -5..4: what lies inside the surface remains.
  ExpectPixels(surface, kWhite, {{0, 0, 1, 5, kBlack}, {3, 0, 7, 5, kBlack}});
  DrawText(surface, face, 100, 100, "ab", kBlack);
  DrawText(surface, face, -1000, 2, "ab", kBlack);
  ExpectPixels(surface, kWhite, {{0, 0, 1, 5, kBlack}, {3, 0, 7, 5, kBlack}});
}

TEST_F(TextTest, CentredTextWiderThanTheBoxIsCutOnBothSidesAndBelow) {
  FontFace face = Open();
  Surface surface = test::Filled(16, 12, kWhite);
  // 設定 is 26 wide; in a box from x 5, 6 wide, the pen starts at 5 + (6 - 26) / 2 = -5, so the
  // glyphs cover columns -4..6 and 9..19. The box keeps columns 5..10 and rows 2..6.
  DrawTextCentred(surface, face, {5, 2, 11, 7}, "\xE8\xA8\xAD\xE5\xAE\x9A", kBlack);
  ExpectPixels(surface, kWhite, {{5, 2, 7, 7, kBlack}, {9, 2, 11, 7, kBlack}});
}

TEST_F(TextTest, UnderlineSpansThePensTravel) {
  FontSpec spec = kDialogFont;
  spec.underline = true;
  FontFace face = Open(spec);
  Surface surface = test::Filled(14, 14, kWhite);
  DrawText(surface, face, 1, 0, "ab", kBlack);
  ExpectPixels(surface, kWhite,
               {{2, 0, 6, 10, kBlack}, {8, 0, 12, 10, kBlack}, {1, 11, 13, 12, kBlack}});
}

TEST_F(TextTest, DisabledLookIsWhiteOffsetByOneUnderGrey) {
  FontFace face = Open();
  Surface surface = test::Filled(8, 13, kPaper);
  DrawText(surface, face, 0, 0, "a", Rgb(200, 0, 0), TextLook::kDisabled);
  const ColorRef grey = Rgb(128, 128, 128);
  ExpectPixels(surface, kPaper, {{2, 1, 6, 11, kWhite}, {1, 0, 5, 10, grey}});
}

// One glyph, two pixels wide: half and full coverage.
class HalfFont : public Font {
 public:
  const FontMetrics& Metrics() const override { return metrics_; }
  Glyph RenderGlyph(char32_t) override { return {2, 1, 0, 1, 2, {128, 255}}; }

 private:
  FontMetrics metrics_{1, 0, 1, 1, 1, 0, 1};
};

TEST(TextBlend, PartialCoverageMixesEachChannelWithRounding) {
  FontFace face(std::make_unique<HalfFont>(), false, false);
  Surface surface = test::Filled(3, 1, Rgb(255, 100, 0));
  DrawText(surface, face, 0, 0, "x", Rgb(0, 200, 255));
  // (over * 128 + under * 127 + 127) / 255 per channel.
  ExpectPixels(surface, Rgb(255, 100, 0),
               {{0, 0, 1, 1, Rgb(127, 150, 128)}, {1, 0, 2, 1, Rgb(0, 200, 255)}});
}

TEST(TextBlend, ABitmapSmallerThanItsSizeIsIgnoredNotRead) {
  class ShortFont : public HalfFont {
    Glyph RenderGlyph(char32_t) override { return {4, 4, 0, 1, 2, {255}}; }
  };
  FontFace face(std::make_unique<ShortFont>(), false, false);
  Surface surface = test::Filled(4, 4, kWhite);
  DrawText(surface, face, 0, 0, "x", kBlack);
  ExpectPixels(surface, kWhite, {});
  EXPECT_EQ(MeasureText(face, "xx").width, 4);
}

}  // namespace
}  // namespace corvane::gfx
