#include "gfx/text.h"

#include <algorithm>
#include <string>

#include "gfx/utf8.h"

namespace corvane::gfx {

namespace {

// The colours of the greyed look: the system's highlight and shadow colours of 3-D elements.
constexpr ColorRef kDisabledHighlight = Rgb(255, 255, 255);
constexpr ColorRef kDisabledShadow = Rgb(128, 128, 128);

// A clip rectangle, already intersected with the surface.
using Clip = Rect;

Clip ClipTo(const Surface& surface, const Rect& box) {
  return box.Intersect(Rect{0, 0, surface.width(), surface.height()});
}

std::uint8_t BlendChannel(std::uint8_t under, std::uint8_t over, std::uint8_t coverage) {
  return static_cast<std::uint8_t>((over * coverage + under * (255 - coverage) + 127) / 255);
}

// Callers must clip: (x, y) lies inside the surface.
void BlendPixel(Surface& surface, int x, int y, ColorRef color, std::uint8_t coverage) {
  Pixel& pixel = surface.Row(y)[x];
  if (coverage == 255) {
    pixel = ToPixel(color);
    return;
  }
  const ColorRef under = ToColorRef(pixel);
  pixel = ToPixel(Rgb(BlendChannel(RedOf(under), RedOf(color), coverage),
                      BlendChannel(GreenOf(under), GreenOf(color), coverage),
                      BlendChannel(BlueOf(under), BlueOf(color), coverage)));
}

void BlendGlyph(Surface& surface, const Clip& clip, const Glyph& glyph, int origin_x, int baseline,
                ColorRef color) {
  const int top = baseline - glyph.top;
  const int left = origin_x + glyph.left;
  const int row_begin = std::max(clip.top - top, 0);
  const int row_end = std::min(clip.bottom - top, glyph.height);
  const int col_begin = std::max(clip.left - left, 0);
  const int col_end = std::min(clip.right - left, glyph.width);
  for (int row = row_begin; row < row_end; ++row) {
    const std::uint8_t* source =
        glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
    for (int col = col_begin; col < col_end; ++col) {
      if (source[col] != 0) BlendPixel(surface, left + col, top + row, color, source[col]);
    }
  }
}

void FillBand(Surface& surface, const Clip& clip, int x0, int x1, int y0, int thickness,
              ColorRef color) {
  const int left = std::max(x0, clip.left);
  const int right = std::min(x1, clip.right);
  const int top = std::max(y0, clip.top);
  const int bottom = std::min(y0 + thickness, clip.bottom);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) BlendPixel(surface, x, y, color, 255);
  }
}

// Pen positions of each code point, relative to the start of the line, and the total advance.
struct Layout {
  std::u32string code_points;
  std::vector<int> pen;
  int width = 0;
};

Layout LayOut(FontFace& face, std::string_view utf8) {
  Layout layout;
  layout.code_points = DecodeUtf8(utf8);
  layout.pen.reserve(layout.code_points.size());
  int pen = 0;
  for (std::size_t i = 0; i < layout.code_points.size(); ++i) {
    if (i > 0) pen += face.Kerning(layout.code_points[i - 1], layout.code_points[i]);
    layout.pen.push_back(pen);
    pen += face.GlyphFor(layout.code_points[i]).advance;
  }
  layout.width = std::max(pen, 0);
  return layout;
}

void PaintLayout(Surface& surface, FontFace& face, const Layout& layout, const Clip& clip, int x,
                 int y, ColorRef color) {
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  const FontMetrics& metrics = face.metrics();
  const int baseline = y + metrics.ascent;
  for (std::size_t i = 0; i < layout.code_points.size(); ++i) {
    BlendGlyph(surface, clip, face.GlyphFor(layout.code_points[i]), x + layout.pen[i], baseline,
               color);
  }
  if (face.underline()) {
    FillBand(surface, clip, x, x + layout.width, baseline + metrics.underline_offset,
             metrics.underline_thickness, color);
  }
  if (face.strikethrough()) {
    FillBand(surface, clip, x, x + layout.width, baseline - metrics.strikeout_offset,
             metrics.strikeout_thickness, color);
  }
}

void PaintWithLook(Surface& surface, FontFace& face, const Layout& layout, const Clip& clip, int x,
                   int y, ColorRef color, TextLook look) {
  if (look == TextLook::kDisabled) {
    PaintLayout(surface, face, layout, clip, x + 1, y + 1, kDisabledHighlight);
    PaintLayout(surface, face, layout, clip, x, y, kDisabledShadow);
    return;
  }
  PaintLayout(surface, face, layout, clip, x, y, color);
}

}  // namespace

FontFace::FontFace(std::unique_ptr<Font> font, bool underline, bool strikethrough)
    : font_(std::move(font)), underline_(underline), strikethrough_(strikethrough) {}

const Glyph& FontFace::GlyphFor(char32_t code_point) {
  auto found = glyphs_.find(code_point);
  if (found == glyphs_.end()) {
    Glyph glyph = font_->RenderGlyph(code_point);
    // A backend that hands back a bitmap smaller than it claims must not make us read past it.
    if (glyph.width < 0 || glyph.height < 0 ||
        glyph.coverage.size() < static_cast<std::size_t>(glyph.width) * glyph.height) {
      glyph.width = glyph.height = 0;
      glyph.coverage.clear();
    }
    found = glyphs_.emplace(code_point, std::move(glyph)).first;
  }
  return found->second;
}

TextSize MeasureText(FontFace& face, std::string_view utf8) {
  return {LayOut(face, utf8).width, face.metrics().height};
}

void DrawText(Surface& surface, FontFace& face, int x, int y, std::string_view utf8, ColorRef color,
              TextLook look) {
  const Layout layout = LayOut(face, utf8);
  PaintWithLook(surface, face, layout, Rect{0, 0, surface.width(), surface.height()}, x, y, color,
                look);
}

void DrawTextCentred(Surface& surface, FontFace& face, const Rect& box, std::string_view utf8,
                     ColorRef color, TextLook look) {
  const Layout layout = LayOut(face, utf8);
  const int x = box.left + (box.Width() - layout.width) / 2;
  PaintWithLook(surface, face, layout, ClipTo(surface, box), x, box.top, color, look);
}

void DrawTextIn(Surface& surface, FontFace& face, const Rect& box, std::string_view utf8,
                ColorRef color, TextLook look) {
  const Layout layout = LayOut(face, utf8);
  PaintWithLook(surface, face, layout, ClipTo(surface, box), box.left, box.top, color, look);
}

}  // namespace corvane::gfx
