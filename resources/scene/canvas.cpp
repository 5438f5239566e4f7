#include "resources/scene/canvas.h"

#include <cmath>
#include <cstdint>

namespace corvane::scene {

gfx::Rect Area::Pixels() const {
  return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
          static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))};
}

gfx::Rect Area::Snapped() const {
  return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
          static_cast<int>(std::lround(right)), static_cast<int>(std::lround(bottom))};
}

gfx::ColorRef Mix(gfx::ColorRef a, gfx::ColorRef b, float t) {
  t = std::clamp(t, 0.0F, 1.0F);
  auto channel = [t](std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
  };
  return gfx::Rgb(channel(gfx::RedOf(a), gfx::RedOf(b)), channel(gfx::GreenOf(a), gfx::GreenOf(b)),
                  channel(gfx::BlueOf(a), gfx::BlueOf(b)));
}

gfx::ColorRef ColorAlong(std::span<const ColorStop> stops, float t, StopBlend blend) {
  if (t <= stops.front().at) return stops.front().color;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      float local = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
      if (blend == StopBlend::kSmooth) local = local * local * (3 - 2 * local);
      return Mix(stops[i - 1].color, stops[i].color, local);
    }
  }
  return stops.back().color;
}

float Noise(int x, int y, unsigned seed) {
  // A 32-bit integer hash (mixing constants of the lowbias32 family): cheap, and free of the
  // visible rows and columns that a linear congruential generator leaves.
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
                    static_cast<std::uint32_t>(y) * 0x85EBCA77U ^ seed * 0xC2B2AE3DU;
  h ^= h >> 16;
  h *= 0x7FEB352DU;
  h ^= h >> 15;
  h *= 0x846CA68BU;
  h ^= h >> 16;
  return static_cast<float>(h >> 8) / static_cast<float>(1U << 24);
}

float RoundBoxDistance(float x, float y, const Area& box, float radius) {
  radius = std::clamp(radius, 0.0F, std::min(box.width(), box.height()) / 2);
  const float qx = std::abs(x - (box.left + box.right) / 2) - box.width() / 2 + radius;
  const float qy = std::abs(y - (box.top + box.bottom) / 2) - box.height() / 2 + radius;
  const float outside = std::hypot(std::max(qx, 0.0F), std::max(qy, 0.0F));
  const float inside = std::min(std::max(qx, qy), 0.0F);
  return outside + inside - radius;
}

float SegmentDistance(float x, float y, float x0, float y0, float x1, float y1, float width) {
  const float dx = x1 - x0;
  const float dy = y1 - y0;
  const float length_squared = dx * dx + dy * dy;
  const float t = length_squared > 0
                      ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length_squared, 0.0F, 1.0F)
                      : 0.0F;
  return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - width / 2;
}

Canvas Canvas::Clipped(const gfx::Rect& rect) const { return Canvas(surface_, Visible(rect)); }

gfx::Rect Canvas::Visible(const gfx::Rect& bounds) const {
  gfx::Rect r{std::max(bounds.left, clip_.left), std::max(bounds.top, clip_.top),
              std::min(bounds.right, clip_.right), std::min(bounds.bottom, clip_.bottom)};
  // An empty intersection keeps its position but no size, so loops over it run zero times.
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

gfx::Pixel Canvas::Blend(gfx::Pixel under, gfx::ColorRef over, float alpha) {
  return gfx::ToPixel(Mix(gfx::ToColorRef(under), over, alpha));
}

void Canvas::FillRect(const gfx::Rect& rect, gfx::ColorRef color, float opacity) {
  Paint(rect, color, opacity, [](float, float) { return 1.0F; });
}

void Canvas::FillArea(const Area& area, gfx::ColorRef color, float opacity) {
  // Edge pixels are covered by the fraction of their width and height inside the area.
  Paint(area.Pixels(), color, opacity, [&area](float x, float y) {
    const float cx =
        std::clamp(std::min(x + 0.5F, area.right) - std::max(x - 0.5F, area.left), 0.0F, 1.0F);
    const float cy =
        std::clamp(std::min(y + 0.5F, area.bottom) - std::max(y - 0.5F, area.top), 0.0F, 1.0F);
    return cx * cy;
  });
}

void Canvas::FillRoundBox(const Area& box, float radius, gfx::ColorRef color, float opacity) {
  Paint(box.Pixels(), color, opacity,
        [&](float x, float y) { return CoverageOf(RoundBoxDistance(x, y, box, radius)); });
}

void Canvas::StrokeRoundBox(const Area& box, float radius, float width, gfx::ColorRef color,
                            float opacity) {
  Paint(box.Pixels(), color, opacity, [&](float x, float y) {
    const float d = RoundBoxDistance(x, y, box, radius);
    return CoverageOf(d) - CoverageOf(d + width);
  });
}

void Canvas::FillDisc(float cx, float cy, float radius, gfx::ColorRef color, float opacity) {
  const Area bounds{cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1};
  Paint(bounds.Pixels(), color, opacity,
        [&](float x, float y) { return CoverageOf(std::hypot(x - cx, y - cy) - radius); });
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, gfx::ColorRef color,
                  float opacity) {
  const float pad = width / 2 + 1;
  const Area bounds{std::min(x0, x1) - pad, std::min(y0, y1) - pad, std::max(x0, x1) + pad,
                    std::max(y0, y1) + pad};
  Paint(bounds.Pixels(), color, opacity,
        [&](float x, float y) { return CoverageOf(SegmentDistance(x, y, x0, y0, x1, y1, width)); });
}

void Canvas::Shadow(const Area& box, float radius, float blur, float opacity) {
  blur = std::max(blur, 1.0F);
  Paint(box.Inset(-blur).Pixels(), gfx::Rgb(0, 0, 0), opacity, [&](float x, float y) {
    // A smoothstep from full inside the box to nothing `blur` pixels out looks like a Gaussian
    // blur of the box at a fraction of the cost.
    const float t = std::clamp(0.5F - RoundBoxDistance(x, y, box, radius) / (2 * blur), 0.0F, 1.0F);
    return t * t * (3 - 2 * t);
  });
}

void Canvas::Text(gfx::FontFace& face, int x, int y, std::string_view utf8, gfx::ColorRef color) {
  if (clip_.right <= clip_.left || clip_.bottom <= clip_.top) return;
  // DrawText clips to its surface, so it draws into a view of just the clip rectangle.
  std::optional<gfx::Surface> view =
      gfx::Surface::Wrap(surface_->Row(clip_.top) + clip_.left, clip_.right - clip_.left,
                         clip_.bottom - clip_.top, surface_->pitch());
  if (!view) return;
  gfx::DrawText(*view, face, x - clip_.left, y - clip_.top, utf8, color);
}

}  // namespace corvane::scene
