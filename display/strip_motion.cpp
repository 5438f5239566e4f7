#include "display/strip_motion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {

namespace {

// A 16-bit position stays in range on any screen the window system can have: past the far edge
// the strip has turned long before it could overflow.
std::int16_t ClampTo16(long value) {
  return static_cast<std::int16_t>(std::clamp<long>(value, std::numeric_limits<std::int16_t>::min(),
                                                    std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

std::int16_t StripStartLeft(float twips_per_pixel) {
  if (!(twips_per_pixel > 0)) return 0;
  return ClampTo16(std::lrint(-static_cast<float>(kStripTwips) / twips_per_pixel));
}

int CopyExtent(double scale_size) {
  if (!(scale_size > 0)) return 0;
  return static_cast<int>(
      std::min<double>(std::nearbyint(scale_size), std::numeric_limits<int>::max()));
}

std::int16_t NextStripPhase(std::int16_t phase) {
  const int next = phase + 1;
  return static_cast<std::int16_t>(next > 255 ? 0 : next);
}

bool MoveStrip(std::int16_t& left, std::int16_t& forward, double display_scale_width,
               float twips_per_pixel) {
  if (forward != kStripFalse) {
    left = ClampTo16(long{left} + kStripStep);
    const float right_bound = static_cast<float>(display_scale_width) / twips_per_pixel;
    if (right_bound < static_cast<float>(left)) {
      forward = kStripFalse;
      return true;
    }
    return false;
  }
  left = ClampTo16(long{left} - kStripStep);
  const float left_bound = -static_cast<float>(kStripTwips) / twips_per_pixel;
  if (left_bound > static_cast<float>(left)) {
    forward = kStripTrue;
    return true;
  }
  return false;
}

std::array<platform::Rect, 2> VacatedColumns(const platform::Rect& old_strip,
                                             const platform::Rect& new_strip) {
  if (new_strip.Empty() || new_strip.top != old_strip.top || new_strip.bottom != old_strip.bottom) {
    return {old_strip, platform::Rect{}};
  }
  return {platform::Rect{old_strip.left, old_strip.top, std::min(old_strip.right, new_strip.left),
                         old_strip.bottom},
          platform::Rect{std::max(old_strip.left, new_strip.right), old_strip.top, old_strip.right,
                         old_strip.bottom}};
}

}  // namespace corvane
