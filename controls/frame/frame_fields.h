#pragma once

#include <cstdint>

#include "gfx/color.h"

namespace corvane::controls {

// The shapes FrameStyle selects; any other value draws no shape.
inline constexpr std::int32_t kFrameRounded = 0;
inline constexpr std::int32_t kFrameRectangle = 1;

// The state of one frame, as its properties set it and its drawing reads it. The defaults are
// those of a newly placed frame, except the two colours that come from the container.
struct FrameFields {
  std::int32_t frame_style = kFrameRectangle;
  gfx::ColorRef back_colour = 0;    // the background when back_colour_is is nonzero
  std::int32_t back_colour_is = 0;  // 0: the background is the container's ambient colour
  gfx::ColorRef fill_colour = 0;    // inside the body
  gfx::ColorRef border_colour = 0;  // the body's 1-pixel outline
  std::int16_t corner_depth = 10;   // width and height of the rounded style's corner ellipse
  bool show_shadow = true;
  std::int16_t shadow_opacity = 50;  // 0 (no darkening) to 100 (black)
  std::int16_t shadow_depth = 5;     // offset of the shadow and width of its fade, in pixels

  friend bool operator==(const FrameFields&, const FrameFields&) = default;
};

// The fields of a frame placed for the first time in a container of the given background colour.
constexpr FrameFields NewFrameFields(gfx::ColorRef ambient_back_colour) {
  FrameFields fields;
  fields.fill_colour = ambient_back_colour;
  fields.back_colour = ambient_back_colour;
  return fields;
}

}  // namespace corvane::controls
