#include "toolkit/label.h"

#include <algorithm>
#include <functional>
#include <utility>

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

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

gfx::FontFace* Label::Face() {
  if (!face_) face_ = OpenScreenFont(font_);
  return face_ ? &*face_ : nullptr;
}

namespace {

// The length in bytes of the longest start of text that fits, never less than one character, so
// that every line makes progress.
size_t FittingPrefix(std::string_view text, const std::function<bool(std::string_view)>& fits) {
  size_t best = 0;
  for (size_t end = 1; end <= text.size(); ++end) {
    const bool boundary =
        end == text.size() || (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (!boundary) continue;
    if (best != 0 && !fits(text.substr(0, end))) break;
    best = end;
  }
  return best;
}

}  // namespace

std::vector<std::string> Label::Lines() {
  std::vector<std::string> lines;
  gfx::FontFace* face = Face();
  const int width = bounds().Width();
  const auto fits = [face, width](std::string_view text) {
    return face == nullptr || gfx::MeasureText(*face, text).width <= width;
  };
  std::string_view rest = caption_;
  while (true) {
    const auto end = rest.find('\n');
    std::string_view paragraph = rest.substr(0, end);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    // Take words while they fit. A word wider than the whole line (a long path) is broken at the
    // last character that fits, as often as it takes.
    std::string line;
    size_t pos = 0;
    while (pos <= paragraph.size()) {
      const size_t blank = std::min(paragraph.find(' ', pos), paragraph.size());
      std::string_view word = paragraph.substr(pos, blank - pos);
      pos = blank + 1;
      std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
      if (fits(candidate)) {
        line = std::move(candidate);
        continue;
      }
      if (!line.empty()) lines.push_back(std::exchange(line, {}));
      while (!fits(word)) {
        const size_t cut = FittingPrefix(word, fits);
        lines.emplace_back(word.substr(0, cut));
        word.remove_prefix(cut);
      }
      line = std::string(word);
    }
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

int Label::NaturalWidth() {
  gfx::FontFace* face = Face();
  return face != nullptr ? gfx::MeasureText(*face, caption_).width : 0;
}

void Label::Paint(gfx::Surface& canvas) {
  const Rect area{0, 0, canvas.width(), canvas.height()};
  gfx::FontFace* face = Face();
  if (face == nullptr) return;
  const gfx::TextLook look = Enabled() ? gfx::TextLook::kNormal : gfx::TextLook::kDisabled;
  const int line_height = face->metrics().height;
  for (int y = area.top; const std::string& line : Lines()) {
    if (y >= area.bottom) break;
    const Rect box{area.left, y, area.right, std::min(y + line_height, area.bottom)};
    if (alignment_ == Alignment::kCenter) {
      gfx::DrawTextCentred(canvas, *face, box, line, fore_color_, look);
    } else {
      gfx::DrawTextIn(canvas, *face, box, line, fore_color_, look);
    }
    y += line_height;
  }
}

}  // namespace corvane::platform
