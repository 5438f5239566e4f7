#pragma once

#include <string>
#include <vector>

namespace corvane::platform {

// The list of a drop-down combo box: its entries, the chosen one, and, while the list is open,
// the highlighted entry and the part of the list scrolled into view. Indexes are 0-based; -1 is
// none.
class DropList {
 public:
  static constexpr int kVisibleRows = 8;

  void AddItem(std::string text) { items_.push_back(std::move(text)); }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
  // The entry whose text is exactly text, or -1.
  int Find(const std::string& text) const;

  int ListIndex() const { return list_index_; }
  // An index outside the list chooses nothing.
  void SetListIndex(int index);

  int Highlighted() const { return highlighted_; }
  int TopIndex() const { return top_; }
  // The rows the open list shows: all entries up to kVisibleRows.
  int VisibleRows() const { return Count() < kVisibleRows ? Count() : kVisibleRows; }

  // Opening highlights the chosen entry (or the first) and scrolls it into view.
  void BeginBrowsing();
  // Moves the highlight by delta entries, stopping at either end, and keeps it in view.
  void MoveHighlight(int delta);
  void HighlightFirst();
  void HighlightLast();
  // Highlights the entry shown on row (0 = top row of the open list), if there is one.
  void HighlightRow(int row);
  // Scrolls the view by rows (the mouse wheel), leaving the highlight where it is.
  void Scroll(int rows);

 private:
  void Highlight(int index);
  void ClampTop();

  std::vector<std::string> items_;
  int list_index_ = -1;
  int highlighted_ = -1;
  int top_ = 0;
};

}  // namespace corvane::platform
