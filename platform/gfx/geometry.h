#pragma once

namespace corvane::gfx {

// A rectangle of pixels given by its edges: it covers columns left to right - 1 and rows top to
// bottom - 1, so right and bottom lie just outside it. The drawing routines accept any values,
// including inverted ones, and say what they make of them.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace corvane::gfx
