#pragma once

#include "gfx/color.h"

namespace corvane::gfx {

// What outlines a shape: a solid line one pixel wide in one colour, or nothing.
struct Pen {
  static constexpr Pen Solid(ColorRef color) { return Pen{true, color}; }
  static constexpr Pen None() { return Pen{false, 0}; }

  bool visible = false;
  ColorRef color = 0;
};

// What fills the inside of a shape: one solid colour, or nothing (hollow).
struct Brush {
  static constexpr Brush Solid(ColorRef color) { return Brush{true, color}; }
  static constexpr Brush Hollow() { return Brush{false, 0}; }

  bool visible = false;
  ColorRef color = 0;
};

}  // namespace corvane::gfx
