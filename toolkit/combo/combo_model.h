#pragma once

#include <string>
#include <string_view>

#include "os/input.h"
#include "toolkit/combo/drop_list.h"
#include "toolkit/combo/text_edit.h"

namespace corvane::platform {

// What a combo box does with the keyboard and its list, apart from how it is drawn or which
// windows it uses: a text field with a drop-down list of entries. Choosing an entry puts its text
// in the field with all of it selected; typing changes the text and leaves the list's choice to
// whatever entry the new text names exactly.
//
// Keys with the list closed: Alt+Down and F4 open it; Up and Down choose the previous and next
// entry; the rest edit the text (Left, Right, Home, End, with Shift to select, Backspace, Delete,
// Ctrl+A). With the list open: Up, Down, Page Up, Page Down, Home and End move the highlight;
// Enter, F4 and Alt+Up take the highlighted entry and close; Escape closes without a change.
class ComboModel {
 public:
  TextEdit& edit() { return edit_; }
  const TextEdit& edit() const { return edit_; }
  DropList& list() { return list_; }
  const DropList& list() const { return list_; }

  std::string Text() const { return edit_.Text(); }
  void SetText(std::string_view utf8);
  int ListIndex() const { return list_.ListIndex(); }
  // Chooses entry index (an index outside the list chooses nothing and keeps the text).
  void SetListIndex(int index);

  bool IsOpen() const { return open_; }
  void Open();
  // Closes the list, taking the highlighted entry when accept is true.
  void Close(bool accept);

  // Returns whether the key was used; a key the box does not use (Tab, for one) goes on to the
  // form.
  bool OnKey(const KeyEvent& key);
  // Text the keyboard produced, already in UTF-8.
  void OnText(std::string_view utf8);

 private:
  void Choose(int index);
  bool OnListKey(const KeyEvent& key);
  bool OnFieldKey(const KeyEvent& key);

  TextEdit edit_;
  DropList list_;
  bool open_ = false;
};

}  // namespace corvane::platform
