#include "controls/frame/frame_colour.h"

#include <cstdint>

namespace corvane::controls {

Channels SplitColour(gfx::ColorRef colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour / 256) & 0xFF),
          static_cast<int>((colour / 65536) & 0xFF)};
}

gfx::ColorRef ColourStep(gfx::ColorRef a, gfx::ColorRef b, int p, int q) {
  const Channels from = SplitColour(a);
  const Channels to = SplitColour(b);
  const auto step = [p, q](int x, int y) { return static_cast<std::uint8_t>(x - (x - y) / p * q); };
  return gfx::Rgb(step(from.red, to.red), step(from.green, to.green), step(from.blue, to.blue));
}

}  // namespace corvane::controls
