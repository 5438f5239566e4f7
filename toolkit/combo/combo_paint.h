#pragma once

#include <string>

#include "gfx/color.h"
#include "gfx/geometry.h"
#include "gfx/surface.h"
#include "gfx/text.h"
#include "toolkit/combo/drop_list.h"
#include "toolkit/combo/text_edit.h"

namespace corvane::platform {

// Where the parts of a combo box's field lie, in pixels of its window: a sunken edge two pixels
// wide around a text area and, at its right, the drop-down button.
struct ComboLayout {
  static constexpr int kEdge = 2;
  static constexpr int kButtonWidth = 16;
  // The text starts this far right of the text area's left edge.
  static constexpr int kTextInset = 2;

  gfx::Rect text;
  gfx::Rect button;
  static ComboLayout For(int width, int height);
};

// Where the parts of an open list lie, in pixels of its window: a one-pixel frame around the rows
// and, when the list holds more entries than it shows, a vertical scroll bar at the right.
struct ListLayout {
  static constexpr int kScrollBarWidth = 16;
  static constexpr int kTextInset = 2;

  gfx::Rect rows;
  gfx::Rect scroll_bar;  // Empty without one.
  int row_height = 1;

  static ListLayout For(int width, int height, int row_height, bool scroll_bar);
  // The list's window size for a field width_at_least wide showing list with text this wide.
  static gfx::Size WindowSize(const DropList& list, int row_height, int widest_text,
                              int width_at_least);
  gfx::Rect UpArrow() const;
  gfx::Rect DownArrow() const;
  gfx::Rect Track() const;
  gfx::Rect Thumb(const DropList& list) const;
  // The entry index the top row shows when the thumb's top edge is at y.
  int TopForThumbAt(const DropList& list, int y) const;
};

// How the field looks at a moment.
struct FieldLook {
  bool enabled = true;
  bool focused = false;  // Caret and selection are shown only with the focus.
  bool open = false;     // The drop-down button shows pushed while its list is open.
  gfx::ColorRef back_color = gfx::Rgb(255, 255, 255);
  int scroll_x = 0;  // Pixels of text scrolled out at the left, to keep the caret in view.
};

// The pen position of every caret place (code point boundary) of text, from 0.
std::vector<int> CaretPositions(gfx::FontFace& face, const std::u32string& text);

// Paints the field: edge, text with the selection, caret, and button. face may be null (no fonts
// on this system): the text is then left out.
void DrawComboField(gfx::Surface& surface, gfx::FontFace* face, const TextEdit& edit,
                    const FieldLook& look);

// Paints the open list with its highlight and scroll bar.
void DrawDropList(gfx::Surface& surface, gfx::FontFace* face, const DropList& list,
                  const ListLayout& layout);

}  // namespace corvane::platform
