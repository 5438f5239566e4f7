#include "toolkit/combo/text_edit.h"

#include <algorithm>

#include "gfx/utf8.h"

namespace corvane::platform {

void TextEdit::SetText(std::string_view utf8) {
  text_ = gfx::DecodeUtf8(utf8);
  caret_ = anchor_ = text_.size();
}

std::string TextEdit::Text() const { return gfx::EncodeUtf8(text_); }

void TextEdit::Insert(std::string_view utf8) {
  // Line breaks and other controls have no place in a one-line field.
  std::u32string typed = gfx::DecodeUtf8(utf8);
  std::erase_if(typed, [](char32_t c) { return c < 0x20 || c == 0x7F; });
  EraseSelection();
  text_.insert(caret_, typed);
  caret_ = anchor_ = caret_ + typed.size();
}

void TextEdit::Backspace() {
  if (!HasSelection() && caret_ > 0) anchor_ = caret_ - 1;
  EraseSelection();
}

void TextEdit::Delete() {
  if (!HasSelection() && caret_ < text_.size()) anchor_ = caret_ + 1;
  EraseSelection();
}

void TextEdit::MoveLeft(bool extend) {
  if (HasSelection() && !extend) {
    Place(SelectionStart(), false);
  } else {
    Place(caret_ > 0 ? caret_ - 1 : 0, extend);
  }
}

void TextEdit::MoveRight(bool extend) {
  if (HasSelection() && !extend) {
    Place(SelectionEnd(), false);
  } else {
    Place(caret_ + 1, extend);
  }
}

void TextEdit::MoveHome(bool extend) { Place(0, extend); }

void TextEdit::MoveEnd(bool extend) { Place(text_.size(), extend); }

void TextEdit::MoveTo(std::size_t index, bool extend) { Place(index, extend); }

void TextEdit::SelectAll() {
  anchor_ = 0;
  caret_ = text_.size();
}

void TextEdit::Place(std::size_t caret, bool extend) {
  caret_ = std::min(caret, text_.size());
  if (!extend) anchor_ = caret_;
}

void TextEdit::EraseSelection() {
  const std::size_t start = SelectionStart();
  text_.erase(start, SelectionEnd() - start);
  caret_ = anchor_ = start;
}

}  // namespace corvane::platform
