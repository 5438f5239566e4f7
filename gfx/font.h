#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane::gfx {

// A font as the program stores it with a caption: face name, size in points and style.
struct FontSpec {
  std::string face;  // UTF-8, as the program names it ("ＭＳ Ｐゴシック")
  float points = 9.0F;
  int weight = 400;  // 100 to 900; 700 is bold
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int charset = 0;  // 0 Western, 128 Japanese (Shift-JIS), ...

  bool operator==(const FontSpec&) const = default;
};

// The pixel size (em height) of a font of `points` on a screen of `dpi`, rounded to the nearest
// pixel: 9.75 pt at 96 dpi is 13 px. Sizes are kept between 1 and kMaxFontPixels so that a
// damaged stored font cannot ask the rasteriser for a giant face.
inline constexpr int kMaxFontPixels = 1024;
int FontPixelSize(float points, int dpi);

// Vertical measures of an opened face, in whole pixels. The line box of a text is `height` pixels
// tall with the baseline `ascent` pixels below its top.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;            // ascent + descent
  int underline_offset = 0;  // from the baseline down to the underline's first row
  int underline_thickness = 1;
  int strikeout_offset = 0;  // from the baseline up to the strike line's first row
  int strikeout_thickness = 1;
};

// One rendered character: an 8-bit coverage bitmap (0 nothing, 255 full) placed relative to the
// pen position on the baseline. `top` counts rows above the baseline, so the bitmap's first row
// lies at baseline - top.
struct Glyph {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;  // width * height values, row by row
};

// A face opened at one pixel size. Rasterising is the backend's job; placing glyphs, caching
// them and blending them onto surfaces is done by the portable text code.
class Font {
 public:
  virtual ~Font() = default;
  virtual const FontMetrics& Metrics() const = 0;
  // The glyph of a code point; a code point the face cannot show gives its missing-glyph box.
  virtual Glyph RenderGlyph(char32_t code_point) = 0;
  // Extra horizontal offset, in pixels, between two neighbouring code points.
  virtual int Kerning(char32_t /*left*/, char32_t /*right*/) { return 0; }
};

// Opens faces for font specs. Installed as a platform service (os/service.h).
class FontLoader {
 public:
  virtual ~FontLoader() = default;
  static constexpr const char* kServiceName = "font loader";
  // A face for the requested font at `pixel_size`. An unknown face name falls back to the system's
  // default face; nullptr only when the system has no usable font at all.
  virtual std::unique_ptr<Font> Open(const FontSpec& spec, int pixel_size) = 0;
};

}  // namespace corvane::gfx
