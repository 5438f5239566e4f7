#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "gfx/font.h"
#include "os/font_loader.h"

namespace corvane::gfx {

// A font loader for tests: every face is a box font whose metrics follow from the pixel size
// alone, so text placement can be checked against hand-computed pixels without a rasteriser.
//
// At pixel size P: ascent = P - P / 4, descent = P / 4, height = P. A space advances P / 2 and
// paints nothing. Any other code point below U+0100 advances P / 2, others (wide characters)
// advance P; each paints a solid box from one column after the pen to one column before the next
// pen position, from the top of the line box down to the baseline. The underline is the row just
// below the baseline; the strike line is the row P / 4 above it. The pair "AV" kerns by -1.
class FakeFontLoader : public FontLoader {
 public:
  std::unique_ptr<Font> Open(const FontSpec& spec, int pixel_size) override;

  // What the program asked for, in order.
  const std::vector<std::pair<FontSpec, int>>& opened() const { return opened_; }
  // How many glyphs all faces of this loader have rendered, to check caching.
  int glyphs_rendered() const { return *glyphs_rendered_; }

 private:
  std::vector<std::pair<FontSpec, int>> opened_;
  std::shared_ptr<int> glyphs_rendered_ = std::make_shared<int>(0);
};

}  // namespace corvane::gfx
