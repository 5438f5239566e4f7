#include <array>
#include <cmath>

#include "resources/scene/scene_parts.h"

namespace corvane::scene {

namespace {

// Dusk over a calm sea: deep blue at the top left, through blue and teal, to a pale mint glow at
// the bottom right, where the light seems to come from.
constexpr std::array<ColorStop, 5> kStops = {{
    {0.00F, gfx::Rgb(0x17, 0x1f, 0x4f)},
    {0.30F, gfx::Rgb(0x25, 0x4a, 0x94)},
    {0.58F, gfx::Rgb(0x2f, 0x8c, 0xb0)},
    {0.82F, gfx::Rgb(0x5c, 0xc4, 0xbc)},
    {1.00F, gfx::Rgb(0xb8, 0xe8, 0xd0)},
}};

// Soft ribbons of light across the lower half, like an aurora: each is a sine curve with a
// Gaussian falloff on either side.
float RibbonLight(float u, float v) {
  struct Ribbon {
    float centre, amplitude, frequency, phase, width, strength;
  };
  constexpr std::array<Ribbon, 3> kRibbons = {{
      {0.62F, 0.07F, 5.1F, 0.4F, 0.030F, 0.16F},
      {0.70F, 0.05F, 3.7F, 2.1F, 0.020F, 0.12F},
      {0.52F, 0.09F, 2.3F, 4.0F, 0.045F, 0.08F},
  }};
  float light = 0;
  for (const Ribbon& r : kRibbons) {
    const float curve = r.centre + r.amplitude * std::sin(u * r.frequency + r.phase) - u * 0.12F;
    const float d = (v - curve) / r.width;
    light += r.strength * std::exp(-d * d);
  }
  return light;
}

}  // namespace

void DrawWallpaper(Canvas& canvas, const Layout& layout) {
  const float w = static_cast<float>(layout.width);
  const float h = static_cast<float>(layout.height);
  const float grid = std::max(layout.U(28), 1.0F);
  const float dot = layout.U(1.3F);
  canvas.Shade({0, 0, layout.width, layout.height}, [&](float x, float y) {
    const float u = x / w;
    const float v = y / h;
    gfx::ColorRef color = ColorAlong(kStops, 0.55F * u + 0.45F * v, StopBlend::kSmooth);
    color = Mix(color, gfx::Rgb(255, 255, 255), RibbonLight(u, v));
    // A faint grid of dots gives the flat gradient some texture without drawing the eye.
    const float gx = std::fmod(x, grid) - grid / 2;
    const float gy = std::fmod(y, grid) - grid / 2;
    const float dot_cover = CoverageOf(std::hypot(gx, gy) - dot);
    color = Mix(color, gfx::Rgb(255, 255, 255), 0.07F * dot_cover);
    // Grain of about one level breaks up banding in the long gradient.
    const float grain = (Noise(static_cast<int>(x), static_cast<int>(y), 7) - 0.5F) * 0.012F;
    return Mix(color, grain > 0 ? gfx::Rgb(255, 255, 255) : gfx::Rgb(0, 0, 0), std::abs(grain));
  });
}

}  // namespace corvane::scene
