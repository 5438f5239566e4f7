#include "toolkit/combo/combo_paint.h"

#include <algorithm>

#include "gfx/blit.h"
#include "gfx/utf8.h"

namespace corvane::platform {

namespace {

using gfx::ColorRef;
using gfx::Rect;
using gfx::Rgb;
using gfx::Surface;

// The classic desktop scheme's colours, as the rest of the toolkit draws with.
constexpr ColorRef kFace = Rgb(192, 192, 192);
constexpr ColorRef kShadow = Rgb(128, 128, 128);
constexpr ColorRef kDarkShadow = Rgb(0, 0, 0);
constexpr ColorRef kLight = Rgb(223, 223, 223);
constexpr ColorRef kHighlight = Rgb(255, 255, 255);
constexpr ColorRef kSelection = Rgb(0, 0, 128);
constexpr ColorRef kSelectionText = Rgb(255, 255, 255);
constexpr ColorRef kText = Rgb(0, 0, 0);
constexpr ColorRef kGreyText = Rgb(128, 128, 128);

void Fill(Surface& surface, Rect rect, ColorRef color) {
  rect = rect.Intersect(Rect{0, 0, surface.width(), surface.height()});
  const gfx::Pixel pixel = gfx::ToPixel(color);
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::fill(surface.Row(y) + rect.left, surface.Row(y) + rect.right, pixel);
  }
}

// One ring of a 3-D edge: top and left in one colour, bottom and right in the other.
void Ring(Surface& surface, const Rect& r, ColorRef top_left, ColorRef bottom_right) {
  Fill(surface, Rect{r.left, r.top, r.right, r.top + 1}, top_left);
  Fill(surface, Rect{r.left, r.top, r.left + 1, r.bottom}, top_left);
  Fill(surface, Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  Fill(surface, Rect{r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

Rect Shrink(const Rect& r, int by) {
  return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// A push button's face with a small triangle pointing up or down in its middle.
void DrawArrowButton(Surface& surface, const Rect& box, bool down, bool pushed, bool enabled) {
  if (box.Empty()) return;
  Fill(surface, box, kFace);
  if (pushed) {
    Ring(surface, box, kShadow, kShadow);
  } else {
    Ring(surface, box, kLight, kDarkShadow);
    Ring(surface, Shrink(box, 1), kHighlight, kShadow);
  }
  const int offset = pushed ? 1 : 0;
  const int cx = box.left + (box.Width() - 1) / 2 + offset;
  const int cy = box.top + (box.Height() - 4) / 2 + offset;
  const auto triangle = [&](int dx, int dy, ColorRef color) {
    for (int row = 0; row < 4; ++row) {
      const int half = down ? 3 - row : row;
      Fill(surface, Rect{cx - half + dx, cy + row + dy, cx + half + 1 + dx, cy + row + dy + 1},
           color);
    }
  };
  if (!enabled) triangle(1, 1, kHighlight);
  triangle(0, 0, enabled ? kText : kShadow);
}

}  // namespace

ComboLayout ComboLayout::For(int width, int height) {
  const Rect inner{kEdge, kEdge, std::max(width - kEdge, kEdge), std::max(height - kEdge, kEdge)};
  const int button_left = std::max(inner.right - kButtonWidth, inner.left);
  return ComboLayout{Rect{inner.left, inner.top, button_left, inner.bottom},
                     Rect{button_left, inner.top, inner.right, inner.bottom}};
}

ListLayout ListLayout::For(int width, int height, int row_height, bool scroll_bar) {
  const Rect inner{1, 1, std::max(width - 1, 1), std::max(height - 1, 1)};
  const int bar_left =
      scroll_bar ? std::max(inner.right - kScrollBarWidth, inner.left) : inner.right;
  return ListLayout{Rect{inner.left, inner.top, bar_left, inner.bottom},
                    Rect{bar_left, inner.top, inner.right, scroll_bar ? inner.bottom : inner.top},
                    std::max(row_height, 1)};
}

gfx::Size ListLayout::WindowSize(const DropList& list, int row_height, int widest_text,
                                 int width_at_least) {
  const bool bar = list.Count() > list.VisibleRows();
  const int width = 2 + 2 * kTextInset + widest_text + (bar ? kScrollBarWidth : 0);
  return gfx::Size{std::max(width, width_at_least),
                   2 + list.VisibleRows() * std::max(row_height, 1)};
}

Rect ListLayout::UpArrow() const {
  const int side = std::min(scroll_bar.Width(), scroll_bar.Height() / 2);
  return Rect{scroll_bar.left, scroll_bar.top, scroll_bar.right, scroll_bar.top + side};
}

Rect ListLayout::DownArrow() const {
  const int side = std::min(scroll_bar.Width(), scroll_bar.Height() / 2);
  return Rect{scroll_bar.left, scroll_bar.bottom - side, scroll_bar.right, scroll_bar.bottom};
}

Rect ListLayout::Track() const {
  return Rect{scroll_bar.left, UpArrow().bottom, scroll_bar.right, DownArrow().top};
}

Rect ListLayout::Thumb(const DropList& list) const {
  const Rect track = Track();
  const int hidden = list.Count() - list.VisibleRows();
  if (hidden <= 0 || track.Empty()) return Rect{};
  const int length = std::clamp(track.Height() * list.VisibleRows() / list.Count(),
                                std::min(8, track.Height()), track.Height());
  const int top = track.top + (track.Height() - length) * list.TopIndex() / hidden;
  return Rect{track.left, top, track.right, top + length};
}

int ListLayout::TopForThumbAt(const DropList& list, int y) const {
  const Rect track = Track();
  const int hidden = list.Count() - list.VisibleRows();
  const int room = track.Height() - Thumb(list).Height();
  if (hidden <= 0 || room <= 0) return 0;
  // Rounded to the nearest entry, so the thumb follows the pointer evenly.
  return std::clamp(((y - track.top) * hidden * 2 + room) / (room * 2), 0, hidden);
}

std::vector<int> CaretPositions(gfx::FontFace& face, const std::u32string& text) {
  std::vector<int> positions{0};
  for (size_t i = 1; i <= text.size(); ++i) {
    positions.push_back(gfx::MeasureText(face, gfx::EncodeUtf8(text.substr(0, i))).width);
  }
  return positions;
}

void DrawComboField(Surface& surface, gfx::FontFace* face, const TextEdit& edit,
                    const FieldLook& look) {
  const Rect whole{0, 0, surface.width(), surface.height()};
  const ComboLayout layout = ComboLayout::For(whole.Width(), whole.Height());
  Fill(surface, whole, look.back_color);
  Ring(surface, whole, kShadow, kHighlight);
  Ring(surface, Shrink(whole, 1), kDarkShadow, kLight);
  DrawArrowButton(surface, layout.button, true, look.open, look.enabled);
  if (face == nullptr || layout.text.Empty()) return;

  // The text is drawn on a scratch surface the size of the text area, so that text scrolled out
  // on either side is cut at the area's edges.
  auto area = Surface::Create(layout.text.Width(), layout.text.Height());
  if (!area) return;
  area->Fill(look.back_color);
  const std::u32string text = gfx::DecodeUtf8(edit.Text());
  const std::vector<int> at = CaretPositions(*face, text);
  const int x0 = ComboLayout::kTextInset - look.scroll_x;
  const int y0 = (area->height() - face->metrics().height) / 2;
  const bool show_selection = look.focused && look.enabled && edit.HasSelection();
  const size_t start = show_selection ? edit.SelectionStart() : text.size();
  const size_t end = show_selection ? edit.SelectionEnd() : text.size();
  const ColorRef color = look.enabled ? kText : kGreyText;
  const auto part = [&](size_t from, size_t to, ColorRef part_color) {
    if (from < to) {
      gfx::DrawText(*area, *face, x0 + at[from], y0, gfx::EncodeUtf8(text.substr(from, to - from)),
                    part_color);
    }
  };
  part(0, start, color);
  if (start < end) {
    Fill(*area, Rect{x0 + at[start], y0, x0 + at[end], y0 + face->metrics().height}, kSelection);
    part(start, end, kSelectionText);
  }
  part(end, text.size(), color);
  if (look.focused && look.enabled) {
    const int caret = x0 + at[edit.Caret()];
    Fill(*area, Rect{caret, y0, caret + 1, y0 + face->metrics().height}, kText);
  }
  gfx::Blit(surface, layout.text.left, layout.text.top, area->width(), area->height(), *area, 0, 0);
}

void DrawDropList(Surface& surface, gfx::FontFace* face, const DropList& list,
                  const ListLayout& layout) {
  const Rect whole{0, 0, surface.width(), surface.height()};
  Fill(surface, whole, kHighlight);
  Ring(surface, whole, kDarkShadow, kDarkShadow);
  for (int row = 0; row < list.VisibleRows(); ++row) {
    const int index = list.TopIndex() + row;
    if (index >= list.Count()) break;
    const int top = layout.rows.top + row * layout.row_height;
    const Rect box{layout.rows.left, top, layout.rows.right, top + layout.row_height};
    const bool lit = index == list.Highlighted();
    if (lit) Fill(surface, box, kSelection);
    if (face == nullptr) continue;
    const int y = top + (layout.row_height - face->metrics().height) / 2;
    gfx::DrawTextIn(surface, *face,
                    Rect{box.left + ListLayout::kTextInset, y, box.right, box.bottom},
                    list.Item(index), lit ? kSelectionText : kText);
  }
  if (layout.scroll_bar.Empty()) return;
  // The track shows the classic stipple of white and face grey.
  const Rect track = layout.Track();
  for (int y = track.top; y < track.bottom; ++y) {
    for (int x = track.left; x < track.right; ++x) {
      surface.Row(y)[x] = gfx::ToPixel((x + y) % 2 == 0 ? kHighlight : kFace);
    }
  }
  DrawArrowButton(surface, layout.UpArrow(), false, false, list.TopIndex() > 0);
  DrawArrowButton(surface, layout.DownArrow(), true, false,
                  list.TopIndex() + list.VisibleRows() < list.Count());
  const Rect thumb = layout.Thumb(list);
  if (!thumb.Empty()) {
    Fill(surface, thumb, kFace);
    Ring(surface, thumb, kLight, kDarkShadow);
    Ring(surface, Shrink(thumb, 1), kHighlight, kShadow);
  }
}

}  // namespace corvane::platform
