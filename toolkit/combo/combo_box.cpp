#include "toolkit/combo/combo_box.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/utf8.h"
#include "os/service.h"
#include "toolkit/caption_font.h"

namespace corvane::platform {

ComboBox::ComboBox(WindowedControl* container)
    : WindowedControl(container), popup_([this](bool accept) { CloseList(accept); }) {
  SetBackColor(gfx::Rgb(255, 255, 255));
}

gfx::FontFace* ComboBox::Face() {
  if (!face_tried_) {
    face_tried_ = true;
    face_ = OpenScreenFont(container() != nullptr ? container()->Font() : kCaptionFont);
  }
  return face_ ? &*face_ : nullptr;
}

void ComboBox::SetText(std::string_view utf8) {
  model_.SetText(utf8);
  Update();
}

void ComboBox::AddItem(std::string text) {
  model_.list().AddItem(std::move(text));
  // The text may name the new entry.
  if (model_.ListIndex() < 0) model_.list().SetListIndex(model_.list().Find(model_.Text()));
  Update();
}

void ComboBox::SetListIndex(int index) {
  model_.SetListIndex(index);
  Update();
}

void ComboBox::CloseList(bool accept) {
  model_.Close(accept);
  Update();
}

void ComboBox::Update() {
  if (model_.IsOpen() && !popup_.IsOpen() && hWnd() != 0) {
    const Rect field = Service<WindowService>::Get().ScreenRect(hWnd());
    if (!popup_.Open(model_.list(), Face(), field)) model_.Close(false);
  } else if (!model_.IsOpen()) {
    popup_.Close();
  } else {
    popup_.Redraw();
  }
  Repaint();
  Refresh();
}

void ComboBox::KeepCaretInView() {
  gfx::FontFace* face = Face();
  const ComboLayout layout = ComboLayout::For(Image().width(), Image().height());
  if (face == nullptr) return;
  const std::vector<int> at = CaretPositions(*face, gfx::DecodeUtf8(model_.Text()));
  const int room = std::max(layout.text.Width() - 2 * ComboLayout::kTextInset, 1);
  const int caret = at[std::min(model_.edit().Caret(), at.size() - 1)];
  // Scroll no further than the text needs, then bring the caret into view.
  scroll_x_ = std::clamp(scroll_x_, 0, std::max(at.back() - room, 0));
  if (caret < scroll_x_) scroll_x_ = caret;
  if (caret > scroll_x_ + room) scroll_x_ = caret - room;
}

void ComboBox::Repaint() {
  if (Image().empty()) return;
  KeepCaretInView();
  FieldLook look;
  look.enabled = Enabled();
  look.focused = focused_;
  look.open = model_.IsOpen();
  look.back_color = BackColor();
  look.scroll_x = scroll_x_;
  DrawComboField(Image(), Face(), model_.edit(), look);
}

void ComboBox::FocusChanged(bool gained) {
  focused_ = gained;
  // Leaving the box (Tab, a click elsewhere, another window) drops its list without a change.
  if (!gained) model_.Close(false);
  Update();
}

bool ComboBox::HandleKey(const KeyEvent& key) {
  if (!Enabled()) return false;
  bool used = model_.OnKey(key);
  if (!used && !key.text.empty() && !model_.IsOpen()) {
    model_.OnText(key.text);
    used = true;
  }
  if (used) Update();
  return used;
}

std::size_t ComboBox::CaretPlaceAt(int x) {
  gfx::FontFace* face = Face();
  if (face == nullptr) return 0;
  const ComboLayout layout = ComboLayout::For(Image().width(), Image().height());
  const std::vector<int> at = CaretPositions(*face, gfx::DecodeUtf8(model_.Text()));
  const int pen = x - layout.text.left - ComboLayout::kTextInset + scroll_x_;
  const auto nearest = std::min_element(
      at.begin(), at.end(), [pen](int a, int b) { return std::abs(a - pen) < std::abs(b - pen); });
  return static_cast<std::size_t>(nearest - at.begin());
}

void ComboBox::HandleMouseDown(const MouseEvent& event, ScaleMode mode) {
  WindowedControl::HandleMouseDown(event, mode);
  if (event.button != kLeftButton) return;
  const ComboLayout layout = ComboLayout::For(Image().width(), Image().height());
  if (layout.button.Contains(Point{event.x, event.y})) {
    if (model_.IsOpen()) {
      model_.Close(false);
    } else {
      model_.Open();
    }
  } else {
    model_.Close(false);
    model_.edit().MoveTo(CaretPlaceAt(event.x), (event.shift & kShiftMask) != 0);
    selecting_ = true;
  }
  Update();
}

void ComboBox::HandleMouseMove(const MouseEvent& event, ScaleMode mode) {
  WindowedControl::HandleMouseMove(event, mode);
  if (!selecting_) return;
  model_.edit().MoveTo(CaretPlaceAt(event.x), true);
  Update();
}

void ComboBox::HandleMouseUp(const MouseEvent& event, ScaleMode mode) {
  WindowedControl::HandleMouseUp(event, mode);
  if (event.button == kLeftButton) selecting_ = false;
}

void ComboBox::EnabledChanged() {
  if (!Enabled()) model_.Close(false);
  Update();
}

void ComboBox::VisibilityChanged() {
  if (!Visible()) model_.Close(false);
  WindowedControl::VisibilityChanged();
  Update();
}

void ComboBox::AmbientChanged(std::string_view name) {
  if (name != "Font") return;
  face_.reset();
  face_tried_ = false;
  Update();
}

}  // namespace corvane::platform
