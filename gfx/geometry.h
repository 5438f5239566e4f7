#pragma once

#include <algorithm>

namespace corvane::gfx {

// A point in pixels, in surface, window or screen coordinates as each use says.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle of pixels given by its edges, as Windows' RECT: it covers columns
// left to right - 1 and rows top to bottom - 1, so right and bottom lie just outside it. The
// drawing routines accept any values, including inverted ones, and say what they make of them.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // The pixels both rectangles cover; Empty() when they do not overlap.
  Rect Intersect(const Rect& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  // The smallest rectangle holding both; an empty one adds nothing.
  Rect Union(const Rect& other) const {
    if (Empty()) return other;
    if (other.Empty()) return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace corvane::gfx
