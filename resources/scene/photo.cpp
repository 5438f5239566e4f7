#include <array>
#include <cmath>

#include "resources/scene/scene_parts.h"

namespace corvane::scene {

namespace {

constexpr float kHorizon = 0.60F;
constexpr float kSunX = 0.66F;
constexpr float kSunY = 0.47F;

// From the top of the picture (0) to the horizon (1).
constexpr std::array<ColorStop, 4> kSky = {{
    {0.00F, gfx::Rgb(0x2a, 0x1e, 0x5c)},
    {0.35F, gfx::Rgb(0x8c, 0x3f, 0x86)},
    {0.75F, gfx::Rgb(0xf2, 0x78, 0x4c)},
    {1.00F, gfx::Rgb(0xff, 0xd3, 0x7e)},
}};

// Heights of the two mountain ranges above the horizon, as fractions of the picture's height.
float FarRidge(float u) {
  return 0.07F + 0.035F * std::sin(u * 9.0F + 1.2F) + 0.02F * std::sin(u * 23.0F) +
         0.05F * std::exp(-(u - 0.22F) * (u - 0.22F) * 40);
}
float NearRidge(float u) {
  return 0.03F + 0.10F * std::exp(-(u - 0.08F) * (u - 0.08F) * 25) +
         0.012F * std::sin(u * 31.0F + 0.5F) + 0.06F * std::exp(-(u - 0.95F) * (u - 0.95F) * 30);
}

// Long thin clouds lit from below by the low sun.
float Clouds(float u, float v) {
  struct Streak {
    float cx, cy, half_width, half_height;
  };
  constexpr std::array<Streak, 4> kStreaks = {{
      {0.30F, 0.22F, 0.28F, 0.018F},
      {0.72F, 0.30F, 0.22F, 0.014F},
      {0.48F, 0.40F, 0.35F, 0.012F},
      {0.15F, 0.45F, 0.18F, 0.010F},
  }};
  float cover = 0;
  for (const Streak& s : kStreaks) {
    const float dx = (u - s.cx) / s.half_width;
    const float dy = (v - s.cy - 0.01F * std::sin(u * 17)) / s.half_height;
    cover += std::exp(-(dx * dx * dx * dx + dy * dy));
  }
  return std::min(cover, 1.0F);
}

// u and v run from 0 to 1 across and down the picture, which is `height` pixels tall.
gfx::ColorRef PhotoAt(float u, float v, float aspect, float height) {
  const float sun_dx = (u - kSunX) * aspect;
  const float sun_dy = v - kSunY;
  const float sun_distance = std::hypot(sun_dx, sun_dy);
  if (v < kHorizon) {
    gfx::ColorRef color = ColorAlong(kSky, v / kHorizon, StopBlend::kLinear);
    color = Mix(color, gfx::Rgb(0xff, 0xb0, 0x9a), 0.75F * Clouds(u, v));
    color = Mix(color, gfx::Rgb(0xff, 0xf0, 0xc0), 0.55F * std::exp(-sun_distance * 9));
    color = Mix(color, gfx::Rgb(0xff, 0xfa, 0xe8), CoverageOf((sun_distance - 0.055F) * height));
    // The far range stands in the haze of the horizon, the near one is a dark silhouette; the
    // sun is setting behind both.
    if (kHorizon - v < FarRidge(u)) {
      color = Mix(gfx::Rgb(0x8a, 0x44, 0x70), gfx::Rgb(0xd8, 0x70, 0x66), (v - 0.45F) / 0.15F);
    }
    if (kHorizon - v < NearRidge(u)) color = gfx::Rgb(0x3a, 0x1c, 0x40);
    return color;
  }
  // The sea: darker towards the viewer, with the sun's path broken into ripples.
  const float depth = (v - kHorizon) / (1 - kHorizon);
  gfx::ColorRef color =
      Mix(gfx::Rgb(0xc0, 0x5a, 0x68), gfx::Rgb(0x1e, 0x12, 0x2e), std::sqrt(depth));
  const float spread = 0.035F + 0.10F * depth;
  const float path = std::exp(-(u - kSunX) * (u - kSunX) / (spread * spread));
  // Ripples crowd together towards the horizon, as they do in perspective, and break up sideways.
  const float ripple =
      0.5F + 0.5F * std::sin(14.0F / (depth + 0.06F) + 0.7F * std::sin(u * 53.0F + depth * 7.0F));
  color = Mix(color, gfx::Rgb(0xff, 0xd8, 0x90), path * ripple * (0.9F - 0.5F * depth));
  return color;
}

}  // namespace

void DrawPhoto(Canvas& client, const Layout& layout, Fonts& /*fonts*/) {
  const gfx::Rect r = client.clip();
  const float w = static_cast<float>(std::max(r.right - r.left, 1));
  const float h = static_cast<float>(std::max(r.bottom - r.top, 1));
  client.Shade(r, [&](float x, float y) {
    const gfx::ColorRef color = PhotoAt((x - r.left) / w, (y - r.top) / h, w / h, h);
    // Film grain, as a real photograph has.
    const float grain = (Noise(static_cast<int>(x), static_cast<int>(y), 31) - 0.5F) * 0.06F;
    return Mix(color, grain > 0 ? gfx::Rgb(255, 255, 255) : gfx::Rgb(0, 0, 0), std::abs(grain));
  });
  // A few birds far off, small open "v" shapes.
  constexpr std::array<std::array<float, 2>, 3> kBirds = {
      {{0.22F, 0.30F}, {0.27F, 0.27F}, {0.31F, 0.33F}}};
  const float span = layout.U(6);
  for (const auto& bird : kBirds) {
    const float bx = r.left + bird[0] * w;
    const float by = r.top + bird[1] * h;
    const gfx::ColorRef ink = gfx::Rgb(0x2a, 0x14, 0x30);
    client.Line(bx - span, by - span * 0.5F, bx, by, layout.U(1.4F), ink);
    client.Line(bx, by, bx + span, by - span * 0.6F, layout.U(1.4F), ink);
  }
}

}  // namespace corvane::scene
