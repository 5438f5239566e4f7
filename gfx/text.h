#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/surface.h"

namespace corvane::gfx {

// An opened font with its decorations and a cache of rendered glyphs. Captions are redrawn on
// every state change of a control, so each glyph is rasterised once and then only blended.
class FontFace {
 public:
  FontFace(std::unique_ptr<Font> font, bool underline, bool strikethrough);

  const FontMetrics& metrics() const { return font_->Metrics(); }
  bool underline() const { return underline_; }
  bool strikethrough() const { return strikethrough_; }

  const Glyph& GlyphFor(char32_t code_point);
  int Kerning(char32_t left, char32_t right) { return font_->Kerning(left, right); }

 private:
  std::unique_ptr<Font> font_;
  bool underline_;
  bool strikethrough_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

struct TextSize {
  int width = 0;
  int height = 0;
  bool operator==(const TextSize&) const = default;
};

// How a caption is painted: in its own colour, or greyed as a disabled control's caption is
// (white one pixel down and right, then mid-grey on top), whatever its colour.
enum class TextLook { kNormal, kDisabled };

// The width of the pen's travel over the UTF-8 text and the height of one line box.
TextSize MeasureText(FontFace& face, std::string_view utf8);

// Draws one line with the top-left of its line box at (x, y). Only glyph coverage is painted;
// the background shows through. Clipped to the surface.
void DrawText(Surface& surface, FontFace& face, int x, int y, std::string_view utf8, ColorRef color,
              TextLook look = TextLook::kNormal);

// Draws one line centred horizontally in the box with its line box at the box's top, clipped to
// the box (and to the surface). Text wider than the box is cut on both sides.
void DrawTextCentred(Surface& surface, FontFace& face, const Rect& box, std::string_view utf8,
                     ColorRef color, TextLook look = TextLook::kNormal);

// Draws one line with its line box at the box's top-left corner, clipped to the box (and to the
// surface). Text wider than the box is cut on the right.
void DrawTextIn(Surface& surface, FontFace& face, const Rect& box, std::string_view utf8,
                ColorRef color, TextLook look = TextLook::kNormal);

}  // namespace corvane::gfx
