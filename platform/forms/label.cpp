#include "platform/forms/label.h"

#include <algorithm>

namespace corvane::platform {

Label::Label(WindowedControl* container) : Control(container) {}

void Label::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void Label::SetFont(const gfx::FontSpec& font) {
  font_ = font;
  face_.reset();
  Invalidate();
}

void Label::SetForeColor(gfx::ColorRef color) {
  fore_color_ = color;
  Invalidate();
}

gfx::FontFace* Label::Face() {
  if (!face_) face_ = OpenScreenFont(font_);
  return face_ ? &*face_ : nullptr;
}

std::vector<std::string> Label::Lines() {
  std::vector<std::string> lines;
  gfx::FontFace* face = Face();
  const int width = bounds().Width();
  std::string_view rest = caption_;
  while (true) {
    const auto end = rest.find('\n');
    std::string_view paragraph = rest.substr(0, end);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    // Take words while they fit; a single word wider than the label stands alone and is cut.
    std::string line;
    size_t pos = 0;
    while (pos <= paragraph.size()) {
      const size_t blank = std::min(paragraph.find(' ', pos), paragraph.size());
      const std::string_view word = paragraph.substr(pos, blank - pos);
      std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
      if (!line.empty() && face != nullptr && gfx::MeasureText(*face, candidate).width > width) {
        lines.push_back(line);
        line = std::string(word);
      } else {
        line = std::move(candidate);
      }
      pos = blank + 1;
    }
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

void Label::Paint(gfx::Surface& frame) {
  const Rect& area = bounds();
  gfx::FontFace* face = Face();
  if (area.Empty() || face == nullptr) return;
  const gfx::TextLook look = Enabled() ? gfx::TextLook::kNormal : gfx::TextLook::kDisabled;
  const int line_height = face->metrics().height;
  for (int y = area.top; const std::string& line : Lines()) {
    if (y >= area.bottom) break;
    gfx::DrawTextIn(frame, *face,
                    Rect{area.left, y, area.right, std::min(y + line_height, area.bottom)}, line,
                    fore_color_, look);
    y += line_height;
  }
}

}  // namespace corvane::platform
