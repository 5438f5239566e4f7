#include "platform/fake/fake_font_loader.h"

#include <algorithm>

#include "os/font_loader.h"

namespace corvane::gfx {

namespace {

class BoxFont : public Font {
 public:
  BoxFont(int pixel_size, std::shared_ptr<int> counter) : size_(pixel_size), counter_(counter) {
    metrics_.ascent = size_ - size_ / 4;
    metrics_.descent = size_ / 4;
    metrics_.height = size_;
    metrics_.underline_offset = 1;
    metrics_.underline_thickness = 1;
    metrics_.strikeout_offset = size_ / 4;
    metrics_.strikeout_thickness = 1;
  }

  const FontMetrics& Metrics() const override { return metrics_; }

  Glyph RenderGlyph(char32_t code_point) override {
    ++*counter_;
    Glyph glyph;
    glyph.advance = code_point < 0x100 ? size_ / 2 : size_;
    if (code_point == U' ') return glyph;
    glyph.left = 1;
    glyph.width = std::max(glyph.advance - 2, 1);
    glyph.top = metrics_.ascent;
    glyph.height = metrics_.ascent;
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 255);
    return glyph;
  }

  int Kerning(char32_t left, char32_t right) override {
    return left == U'A' && right == U'V' ? -1 : 0;
  }

 private:
  int size_;
  std::shared_ptr<int> counter_;
  FontMetrics metrics_;
};

}  // namespace

std::unique_ptr<Font> FakeFontLoader::Open(const FontSpec& spec, int pixel_size) {
  opened_.emplace_back(spec, pixel_size);
  return std::make_unique<BoxFont>(pixel_size, glyphs_rendered_);
}

}  // namespace corvane::gfx
