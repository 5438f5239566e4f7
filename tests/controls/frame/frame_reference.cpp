#include "tests/controls/frame/frame_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace corvane::controls::test {

namespace {

// A shape of the rectangle primitives: edges (normalised) and the corner ellipse's size.
struct Shape {
  std::int64_t left, top, right, bottom, corner;

  bool Contains(std::int64_t x, std::int64_t y) const {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const std::int64_t cw = std::clamp<std::int64_t>(corner, 0, right - left);
    const std::int64_t ch = std::clamp<std::int64_t>(corner, 0, bottom - top);
    // Doubled distances of the pixel's centre from the nearer vertical and horizontal edge.
    const std::int64_t dx = 2 * std::min(x - left, right - 1 - x) + 1;
    const std::int64_t dy = 2 * std::min(y - top, bottom - 1 - y) + 1;
    if (dx >= cw || dy >= ch) return true;
    // Inside the corner's quarter ellipse, centred (cw, ch) in doubled units with those semi-axes.
    return (cw - dx) * (cw - dx) * ch * ch + (ch - dy) * (ch - dy) * cw * cw <= cw * cw * ch * ch;
  }
  bool OnOutline(std::int64_t x, std::int64_t y) const {
    return Contains(x, y) && (!Contains(x - 1, y) || !Contains(x + 1, y) || !Contains(x, y - 1) ||
                              !Contains(x, y + 1));
  }
};

Shape MakeShape(int l, int t, int r, int b, int corner) {
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b), corner};
}

int Channel(gfx::ColorRef c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

gfx::ColorRef PerChannel(gfx::ColorRef a, gfx::ColorRef b, auto f) {
  return gfx::Rgb(f(Channel(a, 0), Channel(b, 0)), f(Channel(a, 8), Channel(b, 8)),
                  f(Channel(a, 16), Channel(b, 16)));
}

}  // namespace

std::vector<gfx::ColorRef> ColoursOf(const gfx::Surface& image) {
  std::vector<gfx::ColorRef> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.push_back(gfx::ToColorRef(image.Row(y)[x]));
  }
  return colours;
}

std::vector<gfx::ColorRef> ReferenceFrame(const FrameFields& f, gfx::ColorRef bg, int w, int h) {
  std::vector<gfx::ColorRef> image(static_cast<std::size_t>(w) * h, bg);
  const auto at = [&](int x, int y) -> gfx::ColorRef& {
    return image[static_cast<std::size_t>(y) * w + x];
  };
  if (f.frame_style != 0 && f.frame_style != 1) return image;
  const int corner = f.frame_style == 0 ? f.corner_depth : 0;
  const int sd = f.show_shadow ? f.shadow_depth : 0;
  const Shape body = MakeShape(0, 0, w - sd, h - sd, corner);

  if (sd > 0) {
    // The shadow colour darkens each channel by the opacity in whole hundredths of it; ring i
    // adds i equal steps of the remaining distance to the background, truncated.
    const int q = 100 - f.shadow_opacity;
    const gfx::ColorRef shadow = PerChannel(bg, bg, [q](int b, int) { return b / 100 * q; });
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        for (int i = sd; i >= 0; --i) {  // the outermost ring drawn over a pixel wins
          if (!MakeShape(2 * sd - i, 2 * sd - i, w - sd + i, h - sd + i, corner).OnOutline(x, y))
            continue;
          at(x, y) = PerChannel(shadow, bg, [&](int s, int b) { return s + (b - s) / sd * i; });
          break;
        }
      }
    }
    if (f.frame_style == 0) {
      const int cd = f.corner_depth;
      const int regions[3][4] = {{w - 2 * cd, w - 3, h - 2 * cd, h - 3},
                                 {w - 2 * cd, w - 3, sd, 4 * sd},
                                 {sd, 4 * sd, h - 2 * cd, h - 3}};
      const auto neighbour = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ? bg : at(x, y);
      };
      for (const auto& r : regions) {
        for (int x = r[0]; x <= r[1]; ++x) {
          for (int y = r[2]; y <= r[3]; ++y) {
            if (x < 0 || y < 0 || x >= w || y >= h || at(x, y) != bg) continue;
            const gfx::ColorRef n[4] = {neighbour(x, y - 1), neighbour(x + 1, y),
                                        neighbour(x, y + 1), neighbour(x - 1, y)};
            const auto average = [&](int shift) {
              double sum = 0;
              for (const gfx::ColorRef c : n) sum += Channel(c, shift);
              return static_cast<int>(std::nearbyint(sum / 4.0));  // ties to even
            };
            at(x, y) = gfx::Rgb(average(0), average(8), average(16));
          }
        }
      }
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (body.OnOutline(x, y)) {
        at(x, y) = f.border_colour;
      } else if (body.Contains(x, y)) {
        at(x, y) = f.fill_colour;
      }
    }
  }
  return image;
}

}  // namespace corvane::controls::test
