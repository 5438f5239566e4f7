#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::platform {

// The editing model of a one-line text field: the text, the caret and the selection, counted in
// code points so that the caret never stands inside a character. The selection runs between the
// anchor and the caret; they are equal when nothing is selected. Keys and pointer positions are
// turned into these calls by the control that owns the field.
class TextEdit {
 public:
  // Replaces the text and puts the caret at its end with nothing selected.
  void SetText(std::string_view utf8);
  std::string Text() const;

  std::size_t Length() const { return text_.size(); }
  std::size_t Caret() const { return caret_; }
  std::size_t SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  bool HasSelection() const { return caret_ != anchor_; }

  // Typing: replaces the selection (or inserts at the caret) and leaves the caret after it.
  void Insert(std::string_view utf8);
  // Deletes the selection, or the character before (Backspace) or after (Delete) the caret.
  void Backspace();
  void Delete();

  // Caret moves; with extend the anchor stays and the selection grows or shrinks. Without it,
  // Left and Right first collapse a selection to its near edge, as text fields do.
  void MoveLeft(bool extend);
  void MoveRight(bool extend);
  void MoveHome(bool extend);
  void MoveEnd(bool extend);
  // Puts the caret before code point index (clamped to the text); with extend the anchor stays,
  // as a drag or a shift-click does.
  void MoveTo(std::size_t index, bool extend);
  void SelectAll();

 private:
  void Place(std::size_t caret, bool extend);
  void EraseSelection();

  std::u32string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};

}  // namespace corvane::platform
