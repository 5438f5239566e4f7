#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/text.h"
#include "toolkit/caption_font.h"
#include "toolkit/control.h"

namespace corvane::platform {

class WindowedControl;

enum class Alignment { kLeft = 0, kCenter = 2 };

// A label: caption text in a font and colour, painted by its container. Transparent: whatever the
// container shows lies behind the glyphs. Lines break at line feeds and, where a line is wider
// than the label, at blanks; a word wider than the label by itself breaks at any character.
// Lines below the label's bottom are cut.
class Label : public Control {
 public:
  explicit Label(WindowedControl* container);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const gfx::FontSpec& Font() const { return font_; }
  void SetFont(const gfx::FontSpec& font);
  void SetForeColor(gfx::ColorRef color);
  // Each line starts at the left edge, or is centred in the label's width.
  void SetAlignment(Alignment alignment);

  // The lines the caption breaks into at the label's width (for layout and tests).
  std::vector<std::string> Lines();
  // The width the caption takes on one line in the label's font; 0 without a font.
  int NaturalWidth();

 protected:
  void Paint(gfx::Surface& canvas) override;

 private:
  gfx::FontFace* Face();

  std::string caption_;
  gfx::FontSpec font_ = kCaptionFont;
  std::optional<gfx::FontFace> face_;
  gfx::ColorRef fore_color_ = gfx::Rgb(0, 0, 0);
  Alignment alignment_ = Alignment::kLeft;
};

}  // namespace corvane::platform
