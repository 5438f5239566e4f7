#include "platform/fonts/system_font_loader.h"

#include <gtest/gtest.h>

#include <numeric>

#include "gfx/text.h"
#include "os/font_loader.h"

namespace corvane::platform {
namespace {

using gfx::FontSpec;

const FontSpec kDialogFont{"ＭＳ Ｐゴシック", 9.75F, 400, false, false, false, 128};

// One loader for the whole program: building fontconfig's font list is the slow part.
SystemFontLoader& Loader() {
  static SystemFontLoader loader;
  return loader;
}

FontSpec WithFace(const char* face) {
  FontSpec spec = kDialogFont;
  spec.face = face;
  return spec;
}

int Ink(const gfx::Glyph& glyph) {
  return std::accumulate(glyph.coverage.begin(), glyph.coverage.end(), 0);
}

TEST(SystemFontLoader, JapaneseFaceNamesResolveAndUnknownOnesFallBackToAFontThatShowsJapanese) {
  // One name of each family, in full-width and in ASCII letters.
  const std::pair<const char*, const char*> cases[] = {{"ＭＳ Ｐゴシック", "IPAPGothic"},
                                                       {"MS Gothic", "IPAGothic"}};
  for (const auto& [face, family] : cases) {
    const FontMatch match = Loader().Match(WithFace(face));
    EXPECT_EQ(match.family, family) << face;
    EXPECT_FALSE(match.file.empty()) << face;
  }
  const FontSpec spec = WithFace("No Such Face Anywhere");
  EXPECT_FALSE(Loader().Match(spec).family.empty());
  auto font = Loader().Open(spec, 13);
  ASSERT_NE(font, nullptr);
  EXPECT_GT(Ink(font->RenderGlyph(U'設')), 0);
}

TEST(SystemFontLoader, DialogFontIsThirteenPixelsAt96Dpi) {
  auto face = gfx::OpenFace(Loader(), kDialogFont, 96);
  ASSERT_TRUE(face);
  const gfx::FontMetrics& metrics = face->metrics();
  EXPECT_EQ(metrics.height, metrics.ascent + metrics.descent);
  EXPECT_EQ(metrics.height, 13) << "one line fills the dialog's 13-pixel labels";
  EXPECT_GT(metrics.descent, 0);
  EXPECT_LE(metrics.ascent + metrics.underline_offset + metrics.underline_thickness, metrics.height)
      << "an underline inside a label of one line";
  // The IPA Gothic faces are full-width fonts: an ideograph advances exactly one em.
  EXPECT_EQ(face->GlyphFor(U'設').advance, 13);
  EXPECT_EQ(face->GlyphFor(U'ｷ').advance, 7) << "a half-width kana is half an em, rounded";
}

}  // namespace
}  // namespace corvane::platform
