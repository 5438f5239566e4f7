#include "resources/dialog/hand_cursor.h"

#include <algorithm>
#include <array>

#include "resources/scene/canvas.h"

namespace corvane::dialog_art {

namespace {

using scene::Area;

// The hand as rounded boxes: the index finger, the three folded fingers beside it, the palm and
// the thumb, in pixel coordinates of the 32 x 32 cursor.
struct Part {
  Area box;
  float radius;
  bool finger;  // a finger's left edge is drawn where it lies against the one before it
};
constexpr std::array<Part, 6> kParts = {{
    {{10, 10, 15, 24}, 2.5F, false},
    {{14, 15, 18.5F, 25}, 2.0F, true},
    {{17.5F, 16, 22, 25}, 2.0F, true},
    {{21, 17.5F, 25, 25}, 2.0F, true},
    {{10, 21, 25, 30}, 3.0F, false},
    {{5.5F, 17, 10.5F, 27}, 2.5F, false},
}};
constexpr float kPalmTop = 23.0F;

bool Inside(float x, float y) {
  return std::any_of(kParts.begin(), kParts.end(), [&](const Part& part) {
    return scene::RoundBoxDistance(x, y, part.box, part.radius) < 0;
  });
}

bool InsideAt(int x, int y) {
  return x >= 0 && y >= 0 && x < 32 && y < 32 && Inside(x + 0.5F, y + 0.5F);
}

bool Outline(int x, int y) {
  if (!InsideAt(x - 1, y) || !InsideAt(x + 1, y) || !InsideAt(x, y - 1) || !InsideAt(x, y + 1)) {
    return true;
  }
  // The creases between the folded fingers, above the palm.
  return std::any_of(kParts.begin(), kParts.end(), [&](const Part& part) {
    return part.finger && y + 0.5F < kPalmTop && y + 0.5F > part.box.top &&
           static_cast<int>(part.box.left) == x;
  });
}

}  // namespace

platform::CustomCursor HandCursor() {
  platform::CustomCursor cursor;
  cursor.hot_x = 12;
  cursor.hot_y = 10;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (!InsideAt(x, y)) continue;
      const std::uint32_t bit = 0x80000000U >> x;
      cursor.mask[static_cast<std::size_t>(y)] |= bit;
      if (Outline(x, y)) cursor.image[static_cast<std::size_t>(y)] |= bit;
    }
  }
  return cursor;
}

}  // namespace corvane::dialog_art
