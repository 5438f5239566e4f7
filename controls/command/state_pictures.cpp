#include "controls/command/state_pictures.h"

#include <algorithm>
#include <cmath>

#include "controls/command/draw_face.h"

namespace corvane::controls {

namespace {

using gfx::ColorRef;
using gfx::Rgb;

// One ring of the picture, a rounded rectangle inset by its index, coloured by the side of the
// rectangle a point lies closest to.
struct Ring {
  ColorRef top;
  ColorRef left;
  ColorRef bottom;
  ColorRef right;
};

constexpr Ring Uniform(ColorRef c) { return Ring{c, c, c, c}; }

// Rings from the outside in; the last one fills the middle. The outermost radius sets the curve:
// every ring inside is concentric with it.
constexpr int kRings = 5;
struct Look {
  std::array<Ring, kRings> rings;
  double outer_radius;
};

constexpr ColorRef kOutline = Rgb(0, 60, 116);
constexpr ColorRef kShadeTopLeft = Rgb(224, 220, 201);
constexpr ColorRef kShadeBottomRight = Rgb(250, 250, 246);
constexpr Ring kShade{kShadeTopLeft, kShadeTopLeft, kShadeBottomRight, kShadeBottomRight};
constexpr ColorRef kLight = Rgb(243, 243, 238);

// The outline is one pixel in and curves over three pixels; the pressed look moves it one pixel
// further in with the same curve.
constexpr double kRadius = 4;

constexpr Look kNormal{
    {kShade, Uniform(kOutline), Ring{kLight, kLight, Rgb(214, 208, 197), Rgb(214, 208, 197)},
     Ring{kLight, kLight, Rgb(226, 223, 214), Rgb(226, 223, 214)}, Uniform(kLight)},
    kRadius};

constexpr ColorRef kAmberSide = Rgb(252, 202, 105);
constexpr Look kHighLight{
    {kShade, Uniform(kOutline), Ring{Rgb(255, 240, 207), kAmberSide, Rgb(229, 151, 0), kAmberSide},
     Ring{Rgb(253, 216, 137), kAmberSide, Rgb(248, 179, 48), kAmberSide}, Uniform(kLight)},
    kRadius};

constexpr ColorRef kBlueSide = Rgb(169, 197, 239);
constexpr Ring kBlueRing{Rgb(206, 231, 255), kBlueSide, Rgb(105, 130, 238), kBlueSide};
constexpr Look kSelected{{kShade, Uniform(kOutline), kBlueRing, kBlueRing, Uniform(kLight)},
                         kRadius};

constexpr ColorRef kPressedFace = Rgb(226, 225, 217);
constexpr Look kPressed{{Uniform(kDialogColour), kShade, Uniform(kOutline),
                         Ring{Rgb(209, 204, 193), Rgb(215, 212, 203), kPressedFace, kPressedFace},
                         Uniform(kPressedFace)},
                        kRadius + 1};

constexpr ColorRef kPale = Rgb(245, 244, 234);
constexpr Look kDisable{{Uniform(kDialogColour), Uniform(Rgb(201, 199, 186)), Uniform(kPale),
                         Uniform(kPale), Uniform(kPale)},
                        kRadius};

const Look& LookOf(StatePicture picture) {
  switch (picture) {
    case StatePicture::kNormal:
      return kNormal;
    case StatePicture::kHighLight:
    case StatePicture::kHighLightSelect:
      return kHighLight;
    case StatePicture::kSelected:
      return kSelected;
    case StatePicture::kPressed:
      return kPressed;
    case StatePicture::kDisable:
      return kDisable;
  }
  return kNormal;
}

// Whether (x, y) lies inside the rectangle [inset, width - inset] x [inset, height - inset] with
// corners rounded by `radius`.
bool Inside(double x, double y, double inset, double radius) {
  const double left = inset + radius;
  const double right = kStatePictureWidth - inset - radius;
  const double top = inset + radius;
  const double bottom = kStatePictureHeight - inset - radius;
  const double dx = x - std::clamp(x, left, right);
  const double dy = y - std::clamp(y, top, bottom);
  if (x < inset || x > kStatePictureWidth - inset) return false;
  if (y < inset || y > kStatePictureHeight - inset) return false;
  return dx * dx + dy * dy <= radius * radius;
}

ColorRef SideColour(const Ring& ring, double x, double y, double inset) {
  const double to_top = y - inset;
  const double to_bottom = kStatePictureHeight - inset - y;
  const double to_left = x - inset;
  const double to_right = kStatePictureWidth - inset - x;
  const double nearest = std::min({to_top, to_bottom, to_left, to_right});
  if (nearest == to_top) return ring.top;
  if (nearest == to_bottom) return ring.bottom;
  return nearest == to_left ? ring.left : ring.right;
}

// The colour under one sample point: the innermost ring that contains it, else the dialog.
ColorRef SampleColour(const Look& look, double x, double y) {
  ColorRef colour = kDialogColour;
  for (int i = 0; i < kRings; ++i) {
    const double radius = std::max(look.outer_radius - i, 0.0);
    if (!Inside(x, y, i, radius)) break;
    colour = SideColour(look.rings[i], x, y, i);
  }
  return colour;
}

// Samples per pixel along each axis.
constexpr int kSamples = 8;

}  // namespace

gfx::Surface DrawStatePicture(StatePicture picture) {
  const Look& look = LookOf(picture);
  gfx::Surface surface = *gfx::Surface::Create(kStatePictureWidth, kStatePictureHeight);
  for (int y = 0; y < kStatePictureHeight; ++y) {
    for (int x = 0; x < kStatePictureWidth; ++x) {
      int red = 0;
      int green = 0;
      int blue = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const ColorRef c =
              SampleColour(look, x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
          red += gfx::RedOf(c);
          green += gfx::GreenOf(c);
          blue += gfx::BlueOf(c);
        }
      }
      constexpr int kCount = kSamples * kSamples;
      const auto average = [](int sum) {
        return static_cast<std::uint8_t>((sum + kCount / 2) / kCount);
      };
      surface.Row(y)[x] = gfx::ToPixel(Rgb(average(red), average(green), average(blue)));
    }
  }
  return surface;
}

StatePictures DrawStatePictures() {
  return {
      DrawStatePicture(StatePicture::kNormal),          DrawStatePicture(StatePicture::kHighLight),
      DrawStatePicture(StatePicture::kHighLightSelect), DrawStatePicture(StatePicture::kSelected),
      DrawStatePicture(StatePicture::kPressed),         DrawStatePicture(StatePicture::kDisable)};
}

}  // namespace corvane::controls
