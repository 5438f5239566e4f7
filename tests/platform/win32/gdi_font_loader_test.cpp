#include "platform/win32/gdi_font_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "gfx/text.h"

namespace corvane::platform {
namespace {

using gfx::FontSpec;

const FontSpec kDialogFont{"ＭＳ Ｐゴシック", 9.75F, 400, false, false, false, 128};

FontSpec WithFace(const char* face, int charset) {
  FontSpec spec = kDialogFont;
  spec.face = face;
  spec.charset = charset;
  return spec;
}

// Every face a caption may ask for gives Latin and Japanese glyphs that carry ink and sit in the
// line box; a face the system lacks, or a Latin face, still draws Japanese through the fallback
// rather than its missing-glyph box.
TEST(GdiFontLoader, EveryRequestedFaceDrawsLatinAndJapaneseInsideItsLine) {
  const FontSpec cases[] = {kDialogFont, WithFace("MS PGothic", 128),
                            WithFace("No Such Face Anywhere", 128),
                            WithFace("No Such Face Anywhere", 0), WithFace("", 0)};
  GdiFontLoader loader;
  for (const FontSpec& spec : cases) {
    auto font = loader.Open(spec, 13);
    ASSERT_NE(font, nullptr) << spec.face;
    const gfx::FontMetrics& metrics = font->Metrics();
    EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent) << spec.face;
    for (char32_t code_point : {U'A', U'あ', U'設'}) {
      const gfx::Glyph glyph = font->RenderGlyph(code_point);
      ASSERT_EQ(glyph.coverage.size(), static_cast<std::size_t>(glyph.width * glyph.height));
      EXPECT_GT(std::accumulate(glyph.coverage.begin(), glyph.coverage.end(), 0), 0)
          << spec.face << " U+" << std::hex << int(code_point);
      EXPECT_GT(glyph.advance, 0) << spec.face;
      EXPECT_LE(glyph.top, metrics.ascent + 1) << spec.face;
      EXPECT_GE(glyph.top - glyph.height, -metrics.descent - 1) << spec.face;
      EXPECT_LE(glyph.left + glyph.width, glyph.advance + 2) << spec.face;
    }
    EXPECT_NE(font->RenderGlyph(U'あ').coverage, font->RenderGlyph(U'設').coverage)
        << spec.face << ": two characters drawn as the same missing-glyph box";
  }
}

TEST(GdiFontLoader, DialogFontIsAProportionalThirteenPixelLine) {
  GdiFontLoader loader;
  auto face = gfx::OpenFace(loader, kDialogFont, 96);
  ASSERT_TRUE(face);
  const gfx::FontMetrics& metrics = face->metrics();
  EXPECT_EQ(metrics.height, 13) << "one line fills the dialog's 13-pixel labels";
  EXPECT_GT(metrics.descent, 0);
  EXPECT_LE(metrics.ascent + metrics.underline_offset + metrics.underline_thickness, metrics.height)
      << "an underline inside a label of one line";
  EXPECT_EQ(face->GlyphFor(U'設').advance, 13);
  EXPECT_LT(face->GlyphFor(U'i').advance, face->GlyphFor(U'W').advance)
      << "a fixed-pitch face stands in for the proportional one: "
      << loader.Match(kDialogFont).full_name;
  // The loader names the face it really took, also where the system substitutes one.
  for (const char* face : {"ＭＳ Ｐゴシック", "MS PGothic", "No Such Face Anywhere"}) {
    const FaceNames names = loader.Match(WithFace(face, 128));
    EXPECT_FALSE(names.face.empty()) << face;
    EXPECT_FALSE(names.full_name.empty()) << face;
    EXPECT_NE(names.face, "No Such Face Anywhere");
  }
}

TEST(GdiFontLoader, GreyLevelsSpanTheWholeCoverageRangeAndBlanksHaveOnlyAnAdvance) {
  GdiFontLoader loader;
  auto font = loader.Open(kDialogFont, 48);
  ASSERT_NE(font, nullptr);
  const gfx::Glyph stem = font->RenderGlyph(U'I');
  ASSERT_FALSE(stem.coverage.empty());
  EXPECT_EQ(*std::max_element(stem.coverage.begin(), stem.coverage.end()), 255);
  const gfx::Glyph space = font->RenderGlyph(U' ');
  EXPECT_GT(space.advance, 0);
  EXPECT_TRUE(space.coverage.empty());
  // Past the first plane there is no UTF-16 unit to ask for; the box must still advance the pen.
  EXPECT_GT(font->RenderGlyph(U'\U0001F600').advance, 0);
}

}  // namespace
}  // namespace corvane::platform
