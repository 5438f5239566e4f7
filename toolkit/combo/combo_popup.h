#pragma once

#include <functional>

#include "gfx/surface.h"
#include "os/window.h"
#include "toolkit/combo/combo_paint.h"
#include "toolkit/combo/drop_list.h"

namespace corvane::platform {

// The open list of a combo box: an unmanaged pop-up window under the field (above it when the
// screen has no room below), at least as wide as the field, with the pointer grabbed while it is
// open. The pointer highlights the row under it; releasing the button on a row takes that entry,
// a press outside the list closes it without a change, the wheel and the scroll bar scroll it.
// The keyboard stays with the field, which moves the highlight itself and asks for a Redraw.
class ComboPopup : public WindowListener {
 public:
  // on_close(accept) asks the owner to close the list, taking the highlighted entry or not.
  explicit ComboPopup(std::function<void(bool accept)> on_close) : on_close_(std::move(on_close)) {}
  ~ComboPopup() override { Close(); }
  ComboPopup(const ComboPopup&) = delete;
  ComboPopup& operator=(const ComboPopup&) = delete;

  bool IsOpen() const { return window_ != 0; }
  HWND hWnd() const { return window_; }
  // Shows list under the field (a screen rectangle); false when no window could be made.
  bool Open(DropList& list, gfx::FontFace* face, const gfx::Rect& field);
  void Close();
  void Redraw();

  void OnMouseDown(const MouseEvent& event) override;
  void OnMouseUp(const MouseEvent& event) override;
  void OnMouseMove(const MouseEvent& event) override;
  void OnMouseWheel(const MouseEvent& event, int steps) override;
  void OnExpose(const gfx::Rect& area) override;
  void OnDestroyed() override;

  // Rows the wheel scrolls per notch.
  static constexpr int kWheelRows = 3;

 private:
  bool OverRow(const MouseEvent& event, int* row) const;
  void ScrollTo(int top);

  std::function<void(bool)> on_close_;
  DropList* list_ = nullptr;
  gfx::FontFace* face_ = nullptr;
  HWND window_ = 0;
  gfx::Surface image_;
  ListLayout layout_;
  // The thumb is being dragged, grabbed this far below its top edge.
  bool dragging_thumb_ = false;
  int thumb_grip_ = 0;
};

}  // namespace corvane::platform
