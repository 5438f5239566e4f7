#include "platform/forms/label.h"

#include <algorithm>
#include <cmath>

#include "platform/service.h"
#include "platform/window.h"

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

void Label::SetBackColor(gfx::ColorRef color) {
  back_color_ = color;
  Invalidate();
}

void Label::SetBackStyle(BackStyle style) {
  back_style_ = style;
  Invalidate();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

gfx::FontFace* Label::Face() {
  if (!face_ && Service<gfx::FontLoader>::Installed()) {
    const int dpi = static_cast<int>(std::lround(Service<WindowService>::Get().Dpi()));
    face_ = gfx::FontFace::Open(Service<gfx::FontLoader>::Get(), font_, dpi);
  }
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
  if (area.Empty()) return;
  if (back_style_ == BackStyle::kOpaque) {
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, frame.height()); ++y) {
      for (int x = std::max(area.left, 0); x < std::min(area.right, frame.width()); ++x) {
        frame.Row(y)[x] = gfx::ToPixel(back_color_);
      }
    }
  }
  gfx::FontFace* face = Face();
  if (face == nullptr) return;
  const gfx::TextLook look = Enabled() ? gfx::TextLook::kNormal : gfx::TextLook::kDisabled;
  const int line_height = face->metrics().height;
  int y = area.top;
  for (const std::string& line : Lines()) {
    if (y >= area.bottom) break;
    const gfx::Rect box{area.left, y, area.right, y + std::min(line_height, area.bottom - y)};
    if (alignment_ == Alignment::kCenter) {
      gfx::DrawTextCentred(frame, *face, box, line, fore_color_, look);
    } else {
      const int text_width = gfx::MeasureText(*face, line).width;
      const int x = alignment_ == Alignment::kLeft ? area.left : area.right - text_width;
      // Clip to the label: draw into a view of the frame that covers only the box.
      const int left = std::max(box.left, 0);
      const int top = std::max(box.top, 0);
      const int right = std::min(box.right, frame.width());
      const int bottom = std::min(box.bottom, frame.height());
      if (right <= left || bottom <= top) {
        y += line_height;
        continue;
      }
      auto clip =
          gfx::Surface::Wrap(frame.Row(top) + left, right - left, bottom - top, frame.pitch());
      if (clip) gfx::DrawText(*clip, *face, x - left, y - top, line, fore_color_, look);
    }
    y += line_height;
  }
}

}  // namespace corvane::platform
