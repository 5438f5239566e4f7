#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gfx/text.h"
#include "toolkit/combo/combo_model.h"
#include "toolkit/combo/combo_popup.h"
#include "toolkit/windowed_control.h"

namespace corvane::platform {

// A drop-down combo box with an editable text field: a windowed control with a sunken white
// field, the caret and selection while it has the focus, and a drop-down button at its right
// that opens the list of entries in a pop-up under it. It draws its text in its container's font
// and follows changes of it. A disabled box shows grey text and a grey arrow and takes no input.
//
// Keys: those of ComboModel, with the text a key types going into the field. The mouse: a press
// in the field places the caret (Shift extends the selection) and a drag selects; a press on the
// button opens or closes the list.
class ComboBox : public WindowedControl {
 public:
  explicit ComboBox(WindowedControl* container);

  std::string Text() const { return model_.Text(); }
  void SetText(std::string_view utf8);
  void AddItem(std::string text);
  // The chosen entry, or -1 when the text names none.
  int ListIndex() const { return model_.ListIndex(); }
  void SetListIndex(int index);

  // Whether the list is open, and its window while it is.
  bool ListOpen() const { return model_.IsOpen(); }
  HWND ListWindow() const { return popup_.hWnd(); }

 protected:
  bool CanFocus() const override { return true; }
  void FocusChanged(bool gained) override;
  bool HandleKey(const KeyEvent& key) override;
  void HandleMouseDown(const MouseEvent& event, ScaleMode mode) override;
  void HandleMouseMove(const MouseEvent& event, ScaleMode mode) override;
  void HandleMouseUp(const MouseEvent& event, ScaleMode mode) override;
  void EnabledChanged() override;
  void VisibilityChanged() override;
  void AmbientChanged(std::string_view name) override;
  void Repaint() override;

 private:
  gfx::FontFace* Face();
  // Opens or closes the pop-up to match the model, then shows the field's new look.
  void Update();
  void CloseList(bool accept);
  // The caret place nearest to x (window pixels).
  std::size_t CaretPlaceAt(int x);
  void KeepCaretInView();

  ComboModel model_;
  ComboPopup popup_;
  std::optional<gfx::FontFace> face_;
  bool face_tried_ = false;
  bool focused_ = false;
  bool selecting_ = false;  // The left button went down in the text and is held.
  int scroll_x_ = 0;
};

}  // namespace corvane::platform
