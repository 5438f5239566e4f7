#include "gfx/pixel_access.h"

namespace corvane::gfx {

ColorRef GetPixel(const Surface& surface, int x, int y) {
  if (!surface.Contains(x, y)) return kInvalidColor;
  return ToColorRef(surface.Row(y)[x]);
}

bool SetPixel(Surface& surface, int x, int y, ColorRef color) {
  if (!surface.Contains(x, y)) return false;
  surface.Row(y)[x] = ToPixel(color);
  return true;
}

}  // namespace corvane::gfx
