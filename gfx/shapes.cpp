#include "gfx/shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace corvane::gfx {

namespace {

// Columns [first, last) of one row; empty when first >= last.
struct Span {
  std::int64_t first;
  std::int64_t last;

  bool Empty() const { return first >= last; }
};

Span Intersect(Span a, Span b) { return {std::max(a.first, b.first), std::min(a.last, b.last)}; }

// The rounded rectangle as one span per row, in coordinates relative to its top-left pixel.
// Sizes are 64-bit because the rectangle may be far larger than any surface.
class RoundedShape {
 public:
  RoundedShape(std::int64_t width, std::int64_t height, std::int64_t corner_width,
               std::int64_t corner_height)
      : width_(width),
        height_(height),
        corner_width_(std::clamp<std::int64_t>(corner_width, 0, width)),
        corner_height_(std::clamp<std::int64_t>(corner_height, 0, height)) {}

  Span Row(std::int64_t row) const {
    if (row < 0 || row >= height_) return {0, 0};
    const std::int64_t inset = Inset(std::min(row, height_ - 1 - row));
    return {inset, width_ - inset};
  }

 private:
  // The first column of the shape in a row that lies `k` rows from the nearer of the top and bottom
  // edges; the row ends as many columns before the right edge.
  std::int64_t Inset(std::int64_t k) const {
    // In doubled coordinates pixel centres are odd integers: pixel (i, k) is centred at
    // (2i + 1, 2k + 1), and the corner ellipse at (corner_width_, corner_height_), which are also
    // its semi-axes.
    const std::int64_t dy = corner_height_ - (2 * k + 1);
    if (dy <= 0) return 0;  // Below the corner: the side edge is straight.

    // Columns from `straight` on lie right of the ellipse's centre, under the straight top edge.
    const std::int64_t straight = corner_width_ / 2;
    const double a = static_cast<double>(corner_width_);
    const double b = static_cast<double>(corner_height_);
    const double dy_sq_a_sq = static_cast<double>(dy) * static_cast<double>(dy) * a * a;
    const double a_sq_b_sq = a * a * b * b;
    // The test (2i + 1 - a)^2 b^2 + dy^2 a^2 <= a^2 b^2. Every term is exact in a double while the
    // corner's width times its height stays below 2^26 (corners up to about 8000 pixels); beyond
    // that, rounding may move a boundary pixel, but as rounding is monotonic the rows still widen
    // steadily towards the middle.
    const auto inside = [&](std::int64_t i) {
      const double dx = static_cast<double>(corner_width_ - (2 * i + 1));
      return dx * dx * b * b + dy_sq_a_sq <= a_sq_b_sq;
    };
    // Start from the boundary in closed form, and let the test above settle the rounding of the
    // square root.
    const double half_chord = a / b *
                              std::sqrt(static_cast<double>(corner_height_ - dy) *
                                        static_cast<double>(corner_height_ + dy));
    std::int64_t i = std::clamp<std::int64_t>(
        static_cast<std::int64_t>(std::ceil((a - 1 - half_chord) / 2)), 0, straight);
    while (i > 0 && inside(i - 1)) --i;
    while (i < straight && !inside(i)) ++i;
    // A corner as wide as an even-width shape leaves no straight part: `straight` is then the first
    // column of the right half, and a row with no column inside gets an empty span.
    return i;
  }

  std::int64_t width_;
  std::int64_t height_;
  std::int64_t corner_width_;
  std::int64_t corner_height_;
};

void FillRun(Surface& surface, int y, std::int64_t first, std::int64_t last, Pixel pixel) {
  const Span run = Intersect({first, last}, {0, surface.width()});
  if (run.Empty()) return;
  std::fill(surface.Row(y) + run.first, surface.Row(y) + run.last, pixel);
}

}  // namespace

void DrawRectangle(Surface& surface, Rect rect, Pen pen, Brush brush) {
  DrawRoundRect(surface, rect, 0, 0, pen, brush);
}

void DrawRoundRect(Surface& surface, Rect rect, int corner_width, int corner_height, Pen pen,
                   Brush brush) {
  const std::int64_t left = std::min(rect.left, rect.right);
  const std::int64_t top = std::min(rect.top, rect.bottom);
  const std::int64_t width = std::int64_t{std::max(rect.left, rect.right)} - left - !pen.visible;
  const std::int64_t height = std::int64_t{std::max(rect.top, rect.bottom)} - top - !pen.visible;
  if (width <= 0 || height <= 0 || (!pen.visible && !brush.visible)) return;

  const RoundedShape shape(width, height, corner_width, corner_height);
  const Pixel pen_pixel = ToPixel(pen.color);
  const Pixel brush_pixel = ToPixel(brush.color);
  const int first_y = static_cast<int>(std::max<std::int64_t>(top, 0));
  const int last_y = static_cast<int>(std::min<std::int64_t>(top + height, surface.height()));
  for (int y = first_y; y < last_y; ++y) {
    const std::int64_t row = y - top;
    const Span span = shape.Row(row);
    if (span.Empty()) continue;
    if (!pen.visible) {
      FillRun(surface, y, left + span.first, left + span.last, brush_pixel);
      continue;
    }
    // A pixel is interior when its four side neighbours are in the shape: not at either end of its
    // own span, and inside the spans of the rows above and below.
    const Span interior = Intersect(Intersect({span.first + 1, span.last - 1}, shape.Row(row - 1)),
                                    shape.Row(row + 1));
    if (interior.Empty()) {
      FillRun(surface, y, left + span.first, left + span.last, pen_pixel);
      continue;
    }
    FillRun(surface, y, left + span.first, left + interior.first, pen_pixel);
    FillRun(surface, y, left + interior.last, left + span.last, pen_pixel);
    if (brush.visible)
      FillRun(surface, y, left + interior.first, left + interior.last, brush_pixel);
  }
}

}  // namespace corvane::gfx
