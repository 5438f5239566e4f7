#include "toolkit/combo/combo_model.h"

namespace corvane::platform {

namespace {
constexpr int kF4 = kVkF1 + 3;
}  // namespace

void ComboModel::SetText(std::string_view utf8) {
  edit_.SetText(utf8);
  list_.SetListIndex(list_.Find(edit_.Text()));
}

void ComboModel::SetListIndex(int index) {
  if (index < 0 || index >= list_.Count()) {
    list_.SetListIndex(-1);
    return;
  }
  Choose(index);
}

void ComboModel::Open() {
  if (open_ || list_.Count() == 0) return;
  open_ = true;
  list_.BeginBrowsing();
}

void ComboModel::Close(bool accept) {
  if (!open_) return;
  open_ = false;
  if (accept && list_.Highlighted() >= 0) Choose(list_.Highlighted());
}

bool ComboModel::OnKey(const KeyEvent& key) { return open_ ? OnListKey(key) : OnFieldKey(key); }

void ComboModel::OnText(std::string_view utf8) {
  if (open_) return;
  edit_.Insert(utf8);
  list_.SetListIndex(list_.Find(edit_.Text()));
}

void ComboModel::Choose(int index) {
  list_.SetListIndex(index);
  edit_.SetText(list_.Item(index));
  edit_.SelectAll();
}

bool ComboModel::OnListKey(const KeyEvent& key) {
  const bool alt = (key.shift & kAltMask) != 0;
  switch (key.key_code) {
    case kVkUp:
      if (alt) {
        Close(true);
      } else {
        list_.MoveHighlight(-1);
      }
      return true;
    case kVkDown:
      list_.MoveHighlight(1);
      return true;
    case kVkPrior:
      list_.MoveHighlight(-(DropList::kVisibleRows - 1));
      return true;
    case kVkNext:
      list_.MoveHighlight(DropList::kVisibleRows - 1);
      return true;
    case kVkHome:
      list_.HighlightFirst();
      return true;
    case kVkEnd:
      list_.HighlightLast();
      return true;
    case kVkReturn:
    case kF4:
      Close(true);
      return true;
    case kVkEscape:
      Close(false);
      return true;
    default:
      // Everything else waits while the list is open, as it has the keyboard.
      return key.key_code != kVkTab;
  }
}

bool ComboModel::OnFieldKey(const KeyEvent& key) {
  const bool shift = (key.shift & kShiftMask) != 0;
  const bool alt = (key.shift & kAltMask) != 0;
  const bool ctrl = (key.shift & kCtrlMask) != 0;
  const auto step = [this](int delta) {
    const int from = list_.ListIndex();
    const int to = from < 0 ? 0 : from + delta;
    if (to >= 0 && to < list_.Count()) Choose(to);
  };
  switch (key.key_code) {
    case kVkDown:
      if (alt) {
        Open();
      } else {
        step(1);
      }
      return true;
    case kF4:
      Open();
      return true;
    case kVkUp:
      step(-1);
      return true;
    case kVkLeft:
      edit_.MoveLeft(shift);
      return true;
    case kVkRight:
      edit_.MoveRight(shift);
      return true;
    case kVkHome:
      edit_.MoveHome(shift);
      return true;
    case kVkEnd:
      edit_.MoveEnd(shift);
      return true;
    case kVkBack:
      edit_.Backspace();
      list_.SetListIndex(list_.Find(edit_.Text()));
      return true;
    case kVkDelete:
      edit_.Delete();
      list_.SetListIndex(list_.Find(edit_.Text()));
      return true;
    case 'A':
      if (!ctrl) return false;
      edit_.SelectAll();
      return true;
    default:
      return false;
  }
}

}  // namespace corvane::platform
