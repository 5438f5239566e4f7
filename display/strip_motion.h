#pragma once

#include <array>
#include <cstdint>

#include "os/geometry.h"

// The sweep of the metallic strip: where it starts, how its phase runs, how it moves and where it
// turns. Kept apart from the form so that whole sweeps can be followed without any drawing.
namespace corvane {

// The strip's width in twips; in pixels it is this over the screen's twips per pixel, rounded.
inline constexpr int kStripTwips = 2560;
// Pixels the strip moves each tick.
inline constexpr int kStripStep = 2;
// True and false as the form keeps them in StripForward.
inline constexpr std::int16_t kStripTrue = -1;
inline constexpr std::int16_t kStripFalse = 0;

// The left edge at load: one strip width left of the screen, so the strip starts out of sight.
// Rounded to the nearest pixel, halves to even, as an assignment to a 16-bit integer rounds.
std::int16_t StripStartLeft(float twips_per_pixel);

// A size in scale units (twips) handed to a drawing call that takes whole numbers, rounded as the
// conversion to a 32-bit argument rounds. The copies pass twips where pixels are meant and rely on
// the drawing core to clip them to the surfaces.
int CopyExtent(double scale_size);

// The phase after one more tick: 1 to 255, then 0 again.
std::int16_t NextStripPhase(std::int16_t phase);

// Moves the strip one step in its direction and tells whether it has just passed a bound, in
// which case the direction has already been reversed and the caller draws a new variant. The
// test is made on the new position, so the next frame is drawn at the position past the bound.
// Both bounds are computed afresh in single precision: the screen width in pixels from the
// display's scale width in twips on the right, minus one strip width on the left.
bool MoveStrip(std::int16_t& left, std::int16_t& forward, double display_scale_width,
               float twips_per_pixel);

// The parts of the area the strip covered last that its new area leaves uncovered: the columns on
// either side (either may be empty). All of the old area when the new one is empty or spans other
// rows.
std::array<platform::Rect, 2> VacatedColumns(const platform::Rect& old_strip,
                                             const platform::Rect& new_strip);

}  // namespace corvane
