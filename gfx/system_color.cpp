#include "gfx/system_color.h"

#include <array>

namespace corvane::gfx {

namespace {

constexpr ColorRef kButtonFace = Rgb(192, 192, 192);

// By index: scroll bar, desktop, active caption, inactive caption, menu, window, window frame,
// menu text, window text, caption text, active border, inactive border, application workspace,
// highlight, highlight text, button face, button shadow, grey text, button text, inactive caption
// text, button highlight, dark shadow, light, tooltip text, tooltip background.
constexpr std::array<ColorRef, 25> kClassicScheme = {
    Rgb(192, 192, 192), Rgb(0, 128, 128),   Rgb(0, 0, 128),     Rgb(128, 128, 128),
    Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(0, 0, 128),     Rgb(255, 255, 255), kButtonFace,
    Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(192, 192, 192),
    Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(223, 223, 223), Rgb(0, 0, 0),
    Rgb(255, 255, 225),
};

}  // namespace

ColorRef ResolveSystemColor(ColorRef color) {
  if ((color >> 24) != 0x80) return color & 0x00FFFFFF;
  const ColorRef index = color & 0x00FFFFFF;
  return index < kClassicScheme.size() ? kClassicScheme[index] : kButtonFace;
}

}  // namespace corvane::gfx
