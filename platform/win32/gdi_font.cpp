#include "platform/win32/gdi_font.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/win32/gdi_faces.h"

namespace corvane::platform {

namespace {

constexpr MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
// GetGlyphOutline's grey bitmaps have 65 levels, 0 to 64.
constexpr int kGreyLevels = 64;
constexpr WORD kNoGlyph = 0xFFFF;

int RoundScaled(int font_units, int units_per_em, int pixel_size) {
  return static_cast<int>(std::lround(static_cast<double>(font_units) * pixel_size / units_per_em));
}

std::int16_t BigEndian16(const std::uint8_t* bytes) {
  return static_cast<std::int16_t>(bytes[0] << 8 | bytes[1]);
}

// The line box is the face's ascender and descender from its horizontal header, rounded to whole
// pixels, as the FreeType backend measures it: for the Japanese faces the captions use these span
// exactly one em, so a 13-pixel face gives the 13-pixel line the dialog's labels were laid out
// for. GDI's cell (the Windows ascent and descent) is taller for the IPA fonts that stand in
// for them. Faces without that header (bitmap fonts) keep GDI's cell.
gfx::FontMetrics Measure(HDC dc, int pixel_size) {
  gfx::FontMetrics metrics;
  TEXTMETRICW text{};
  GetTextMetricsW(dc, &text);
  metrics.ascent = text.tmAscent;
  metrics.descent = text.tmDescent;
  metrics.strikeout_offset = metrics.ascent / 3;
  int underline_offset = 1;

  OUTLINETEXTMETRICW outline{};
  outline.otmSize = sizeof outline;
  // Asking for exactly the structure leaves out the strings that follow it.
  if (GetOutlineTextMetricsW(dc, sizeof outline, &outline) != 0 && outline.otmEMSquare > 0) {
    const int em = static_cast<int>(outline.otmEMSquare);
    std::uint8_t header[8];
    constexpr DWORD kHorizontalHeader = 'h' | 'h' << 8 | 'e' << 16 | 'a' << 24;
    if (GetFontData(dc, kHorizontalHeader, 0, header, sizeof header) == sizeof header) {
      const int ascender = BigEndian16(header + 4);
      const int descender = BigEndian16(header + 6);
      if (ascender != 0 || descender != 0) {
        metrics.ascent = RoundScaled(ascender, em, pixel_size);
        metrics.descent = RoundScaled(-descender, em, pixel_size);
      }
    }
    if (outline.otmsStrikeoutSize > 0) {
      metrics.strikeout_offset = outline.otmsStrikeoutPosition;
      metrics.strikeout_thickness = std::max(static_cast<int>(outline.otmsStrikeoutSize), 1);
    }
    metrics.underline_thickness = std::max(outline.otmsUnderscoreSize, 1);
    underline_offset = -outline.otmsUnderscorePosition;
  }
  metrics.height = metrics.ascent + metrics.descent;
  // An underline below the line box would be cut off by any label sized to the line.
  underline_offset = std::min(underline_offset, metrics.descent - metrics.underline_thickness);
  metrics.underline_offset = std::max(underline_offset, 0);
  return metrics;
}

class GdiFont : public gfx::Font {
 public:
  GdiFont(UniqueFont caption, UniqueDc dc, gfx::FontSpec spec, int pixel_size)
      : caption_(std::move(caption)),
        dc_(std::move(dc)),
        spec_(std::move(spec)),
        pixel_size_(pixel_size) {
    SelectObject(dc_.get(), caption_.get());
    metrics_ = Measure(dc_.get(), pixel_size_);
  }

  const gfx::FontMetrics& Metrics() const override { return metrics_; }

  gfx::Glyph RenderGlyph(char32_t code_point) override {
    // GetGlyphOutlineW takes one UTF-16 unit, so characters past the first plane get the
    // missing-glyph box, glyph 0 of the caption's face.
    if (code_point > 0xFFFF) return Render(caption_.get(), 0, GGO_GLYPH_INDEX);
    const auto unit = static_cast<wchar_t>(code_point);
    HFONT owner = caption_.get();
    if (!Shows(owner, unit)) {
      if (HFONT fallback = Fallback(); fallback != nullptr && Shows(fallback, unit)) {
        owner = fallback;
      }
    }
    return Render(owner, unit, 0);
  }

 private:
  bool Shows(HFONT font, wchar_t unit) {
    SelectObject(dc_.get(), font);
    WORD index = kNoGlyph;
    return GetGlyphIndicesW(dc_.get(), &unit, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 &&
           index != kNoGlyph;
  }

  HFONT Fallback() {
    if (!fallback_tried_) {
      fallback_tried_ = true;
      fallback_ = CreateFallbackFont(spec_, pixel_size_);
    }
    return fallback_.get();
  }

  gfx::Glyph Render(HFONT font, UINT code, UINT flags) {
    SelectObject(dc_.get(), font);
    const UINT format = GGO_GRAY8_BITMAP | flags;
    gfx::Glyph glyph;
    GLYPHMETRICS box{};
    const DWORD size = GetGlyphOutlineW(dc_.get(), code, format, &box, 0, nullptr, &kIdentity);
    if (size == GDI_ERROR) return glyph;
    glyph.advance = box.gmCellIncX;
    // A blank character (a space) has an advance and no bitmap.
    if (size == 0) return glyph;
    std::vector<std::uint8_t> grey(size);
    if (GetGlyphOutlineW(dc_.get(), code, format, &box, size, grey.data(), &kIdentity) ==
        GDI_ERROR) {
      return glyph;
    }
    const int width = static_cast<int>(box.gmBlackBoxX);
    const int height = static_cast<int>(box.gmBlackBoxY);
    // Rows are padded to whole 32-bit words.
    const int pitch = (width + 3) & ~3;
    if (static_cast<std::size_t>(pitch) * height > grey.size()) return glyph;
    glyph.width = width;
    glyph.height = height;
    glyph.left = box.gmptGlyphOrigin.x;
    glyph.top = box.gmptGlyphOrigin.y;
    glyph.coverage.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* in = grey.data() + static_cast<std::size_t>(y) * pitch;
      std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(y) * width;
      for (int x = 0; x < width; ++x) {
        const int level = std::min<int>(in[x], kGreyLevels);
        out[x] = static_cast<std::uint8_t>((level * 255 + kGreyLevels / 2) / kGreyLevels);
      }
    }
    return glyph;
  }

  UniqueFont caption_;
  UniqueFont fallback_;
  bool fallback_tried_ = false;
  UniqueDc dc_;
  gfx::FontSpec spec_;
  int pixel_size_;
  gfx::FontMetrics metrics_;
};

}  // namespace

std::unique_ptr<gfx::Font> OpenGdiFont(const gfx::FontSpec& spec, int pixel_size) {
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return nullptr;
  UniqueFont caption = CreateCaptionFont(dc.get(), spec, pixel_size);
  if (!caption) return nullptr;
  return std::make_unique<GdiFont>(std::move(caption), std::move(dc), spec, pixel_size);
}

}  // namespace corvane::platform
