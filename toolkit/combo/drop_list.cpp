#include "toolkit/combo/drop_list.h"

#include <algorithm>

namespace corvane::platform {

int DropList::Find(const std::string& text) const {
  const auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void DropList::SetListIndex(int index) { list_index_ = index >= 0 && index < Count() ? index : -1; }

void DropList::BeginBrowsing() {
  top_ = 0;
  highlighted_ = -1;
  if (Count() > 0) Highlight(list_index_ >= 0 ? list_index_ : 0);
}

void DropList::MoveHighlight(int delta) {
  if (Count() == 0) return;
  Highlight(std::clamp((highlighted_ < 0 ? 0 : highlighted_) + delta, 0, Count() - 1));
}

void DropList::HighlightFirst() {
  if (Count() > 0) Highlight(0);
}

void DropList::HighlightLast() {
  if (Count() > 0) Highlight(Count() - 1);
}

void DropList::HighlightRow(int row) {
  if (row >= 0 && row < VisibleRows() && top_ + row < Count()) highlighted_ = top_ + row;
}

void DropList::Scroll(int rows) {
  top_ += rows;
  ClampTop();
}

void DropList::Highlight(int index) {
  highlighted_ = index;
  if (index < top_) top_ = index;
  if (index >= top_ + kVisibleRows) top_ = index - kVisibleRows + 1;
  ClampTop();
}

void DropList::ClampTop() { top_ = std::clamp(top_, 0, std::max(0, Count() - kVisibleRows)); }

}  // namespace corvane::platform
