#include "toolkit/combo/combo_popup.h"

#include <algorithm>

#include "os/service.h"

namespace corvane::platform {

namespace {
WindowService& Windows() { return Service<WindowService>::Get(); }
}  // namespace

bool ComboPopup::Open(DropList& list, gfx::FontFace* face, const gfx::Rect& field) {
  Close();
  list_ = &list;
  face_ = face;
  const int row_height = face != nullptr ? face->metrics().height + 2 : field.Height();
  int widest = 0;
  for (int i = 0; face != nullptr && i < list.Count(); ++i) {
    widest = std::max(widest, gfx::MeasureText(*face, list.Item(i)).width);
  }
  const gfx::Size size = ListLayout::WindowSize(list, row_height, widest, field.Width());
  const gfx::Size screen = Windows().ScreenSize();
  int top = field.bottom;
  if (top + size.height > screen.height && field.top - size.height >= 0) {
    top = field.top - size.height;
  }
  const int left = std::clamp(field.left, 0, std::max(screen.width - size.width, 0));
  auto surface = gfx::Surface::Create(size.width, size.height);
  if (!surface) return false;
  image_ = std::move(*surface);
  layout_ = ListLayout::For(size.width, size.height, row_height, list.Count() > list.VisibleRows());
  WindowDesc desc;
  desc.bounds = gfx::Rect{left, top, left + size.width, top + size.height};
  desc.frame = WindowFrame::kPopup;
  window_ = Windows().Create(desc, this);
  if (window_ == 0) return false;
  DrawDropList(image_, face_, *list_, layout_);
  Windows().Show(window_);
  Windows().Present(window_, image_, gfx::Rect{0, 0, size.width, size.height});
  // Without the grab a click elsewhere would not close the list; the field's loss of the focus
  // still does.
  Windows().GrabPointer(window_);
  return true;
}

void ComboPopup::Close() {
  if (window_ == 0) return;
  const HWND window = window_;
  window_ = 0;
  dragging_thumb_ = false;
  Windows().ReleasePointer();
  Windows().Destroy(window);
}

void ComboPopup::Redraw() {
  if (window_ == 0) return;
  DrawDropList(image_, face_, *list_, layout_);
  Windows().Present(window_, image_, gfx::Rect{0, 0, image_.width(), image_.height()});
}

bool ComboPopup::OverRow(const MouseEvent& event, int* row) const {
  if (!layout_.rows.Contains(gfx::Point{event.x, event.y})) return false;
  *row = (event.y - layout_.rows.top) / layout_.row_height;
  return *row < list_->VisibleRows() && list_->TopIndex() + *row < list_->Count();
}

void ComboPopup::ScrollTo(int top) { list_->Scroll(top - list_->TopIndex()); }

void ComboPopup::OnMouseDown(const MouseEvent& event) {
  if (window_ == 0) return;
  const gfx::Point at{event.x, event.y};
  if (!gfx::Rect{0, 0, image_.width(), image_.height()}.Contains(at)) {
    on_close_(false);
    return;
  }
  if (event.button != kLeftButton) return;
  int row = 0;
  if (OverRow(event, &row)) {
    list_->HighlightRow(row);
  } else if (layout_.UpArrow().Contains(at)) {
    list_->Scroll(-1);
  } else if (layout_.DownArrow().Contains(at)) {
    list_->Scroll(1);
  } else if (const gfx::Rect thumb = layout_.Thumb(*list_); thumb.Contains(at)) {
    dragging_thumb_ = true;
    thumb_grip_ = event.y - thumb.top;
  } else if (layout_.Track().Contains(at)) {
    // A press on the track pages towards it.
    const int page = list_->VisibleRows() - 1;
    list_->Scroll(event.y < thumb.top ? -page : page);
  }
  Redraw();
}

void ComboPopup::OnMouseMove(const MouseEvent& event) {
  if (window_ == 0) return;
  if (dragging_thumb_) {
    ScrollTo(layout_.TopForThumbAt(*list_, event.y - thumb_grip_));
    Redraw();
    return;
  }
  int row = 0;
  if (OverRow(event, &row) && list_->TopIndex() + row != list_->Highlighted()) {
    list_->HighlightRow(row);
    Redraw();
  }
}

void ComboPopup::OnMouseUp(const MouseEvent& event) {
  if (window_ == 0 || event.button != kLeftButton) return;
  if (dragging_thumb_) {
    dragging_thumb_ = false;
    return;
  }
  // The release after a press on a row takes it, and so does one after a drag from the field's
  // button down into the list. A release anywhere else leaves the list open.
  int row = 0;
  if (OverRow(event, &row)) {
    list_->HighlightRow(row);
    on_close_(true);
  }
}

void ComboPopup::OnMouseWheel(const MouseEvent&, int steps) {
  if (window_ == 0) return;
  list_->Scroll(steps * kWheelRows);
  Redraw();
}

void ComboPopup::OnExpose(const gfx::Rect& area) {
  if (window_ != 0) Windows().Present(window_, image_, area);
}

void ComboPopup::OnDestroyed() {
  // Gone without being asked: the owner closes its list without a change.
  window_ = 0;
  on_close_(false);
}

}  // namespace corvane::platform
