#pragma once

#include "gfx/color.h"

namespace corvane::controls {

// The red, green and blue channels of a 0x00BBGGRR colour: the low 8 bits of the colour, of the
// colour divided by 256, and of the colour divided by 65536.
struct Channels {
  int red = 0;
  int green = 0;
  int blue = 0;
};
Channels SplitColour(gfx::ColorRef colour);

// Steps colour a towards colour b by q of p equal steps, per channel a - ((a - b) / p) * q. The
// division drops its remainder towards zero before the multiplication, so a whole fade of p steps
// ends short of b by the dropped remainder. For 0 <= q <= p every channel lies between those of a
// and b. p must not be 0.
gfx::ColorRef ColourStep(gfx::ColorRef a, gfx::ColorRef b, int p, int q);

}  // namespace corvane::controls
