#include "resources/dialog/dialog_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "gfx/text.h"
#include "os/font_loader.h"
#include "resources/scene/canvas.h"

namespace corvane::dialog_art {

namespace {

using gfx::Rgb;
using scene::Area;
using scene::Canvas;
using scene::ColorStop;

gfx::Surface Blank(int width, int height, gfx::ColorRef color) {
  gfx::Surface surface = *gfx::Surface::Create(width, height);
  surface.Fill(color);
  return surface;
}

// How far (x, y) lies inside a band running from the lower left to the upper right, 1 on its
// centre line and 0 at `half_width` from it.
float SheenAt(float x, float y, float centre, float half_width) {
  const float across = (x + y * 0.55F - centre) / half_width;
  return std::max(0.0F, 1.0F - across * across);
}

}  // namespace

gfx::Surface Background() {
  gfx::Surface surface = Blank(kBackgroundWidth, kBackgroundHeight, 0);
  Canvas canvas(surface);
  constexpr std::array<ColorStop, 3> kMetal = {{
      {0.0F, Rgb(0xEE, 0xF2, 0xF9)},
      {0.55F, Rgb(0xDC, 0xE3, 0xEF)},
      {1.0F, Rgb(0xC9, 0xD3, 0xE4)},
  }};
  const float height = static_cast<float>(kBackgroundHeight);
  canvas.Shade(gfx::Rect{0, 0, kBackgroundWidth, kBackgroundHeight}, [&](float x, float y) {
    gfx::ColorRef c = scene::ColorAlong(kMetal, y / height, scene::StopBlend::kSmooth);
    // Brushed grain: streaks that run along the rows, long and faint.
    const float grain = scene::Noise(static_cast<int>(x / 23.0F), static_cast<int>(y), 7) - 0.5F;
    c = scene::Mix(c, grain > 0 ? Rgb(255, 255, 255) : Rgb(0x90, 0x9C, 0xB4),
                   std::abs(grain) * 0.10F);
    // Two soft sheens, the wide one faint and the narrow one brighter at its heart.
    c = scene::Mix(c, Rgb(255, 255, 255), 0.35F * SheenAt(x, y, 420, 120));
    c = scene::Mix(c, Rgb(255, 255, 255), 0.30F * SheenAt(x, y, 470, 28));
    return c;
  });
  // The groove above the credit, the link and the buttons.
  canvas.Line(16, 241.5F, 434, 241.5F, 1, Rgb(0xA8, 0xB4, 0xCA));
  canvas.Line(16, 242.5F, 434, 242.5F, 1, Rgb(0xFF, 0xFF, 0xFF), 0.9F);
  // The bevel: a dark outer edge, a light line inside it, and a darker one along the bottom and
  // right, as a raised plate is lit from the upper left.
  const Area whole{0, 0, static_cast<float>(kBackgroundWidth), height};
  canvas.StrokeRoundBox(whole, 0, 1, Rgb(0x4A, 0x5C, 0x86));
  canvas.Line(1, 1.5F, kBackgroundWidth - 1.0F, 1.5F, 1, Rgb(255, 255, 255), 0.9F);
  canvas.Line(1.5F, 1, 1.5F, height - 1, 1, Rgb(255, 255, 255), 0.9F);
  canvas.Line(1, height - 1.5F, kBackgroundWidth - 1.0F, height - 1.5F, 1, Rgb(0x9A, 0xA8, 0xC2));
  canvas.Line(kBackgroundWidth - 1.5F, 1, kBackgroundWidth - 1.5F, height - 1, 1,
              Rgb(0x9A, 0xA8, 0xC2));
  return surface;
}

std::optional<gfx::Surface> Title(gfx::FontLoader& fonts, gfx::ColorRef paper) {
  // At 72 dots per inch a point is a pixel.
  std::optional<gfx::FontFace> name =
      gfx::OpenFace(fonts, gfx::FontSpec{"DejaVu Sans", 21, 700, false, false, false, 0}, 72);
  std::optional<gfx::FontFace> tag =
      gfx::OpenFace(fonts, gfx::FontSpec{"DejaVu Sans", 9, 400, false, false, false, 0}, 72);
  if (!name || !tag) return std::nullopt;

  // The name's coverage, drawn white on black, becomes the mask of a polished-steel fill.
  constexpr std::string_view kName = "Corvane";
  gfx::Surface mask = Blank(kTitleWidth, kTitleHeight, 0);
  const int name_top = (kTitleHeight - name->metrics().height) / 2;
  gfx::DrawText(mask, *name, 2, name_top, kName, Rgb(255, 255, 255));

  constexpr std::array<ColorStop, 4> kSteel = {{
      {0.0F, Rgb(0x3A, 0x5E, 0xB0)},
      {0.45F, Rgb(0x0C, 0x2A, 0x78)},
      {0.55F, Rgb(0x04, 0x18, 0x56)},
      {1.0F, Rgb(0x2C, 0x52, 0xA8)},
  }};
  gfx::Surface title = Blank(kTitleWidth, kTitleHeight, paper);
  Canvas canvas(title);
  const float top = static_cast<float>(name_top + 3);
  const float span = static_cast<float>(name->metrics().height - 6);
  canvas.Shade(gfx::Rect{0, 0, kTitleWidth, kTitleHeight}, [&](float x, float y) {
    const float coverage =
        ((mask.Row(static_cast<int>(y))[static_cast<int>(x)] >> 16) & 0xFF) / 255.0F;
    const gfx::ColorRef ink = scene::ColorAlong(kSteel, std::clamp((y - top) / span, 0.0F, 1.0F),
                                                scene::StopBlend::kSmooth);
    return scene::Mix(paper, ink, coverage);
  });
  const int name_width = gfx::MeasureText(*name, kName).width;
  const int tag_top = name_top + name->metrics().height - tag->metrics().height - 3;
  canvas.Text(*tag, name_width + 8, tag_top, "screen saver", Rgb(0x6A, 0x76, 0x90));
  return title;
}

gfx::Surface OptionMark(bool selected, gfx::ColorRef paper) {
  gfx::Surface mark = Blank(kMarkSize, kMarkSize, paper);
  Canvas canvas(mark);
  const float c = kMarkSize / 2.0F;
  canvas.FillDisc(c, c, 5.6F, Rgb(0x2A, 0x3C, 0x8C));
  canvas.Paint(gfx::Rect{0, 0, kMarkSize, kMarkSize}, Rgb(255, 255, 255), 1.0F,
               [&](float x, float y) {
                 // The well: white at the lower right, greyer towards the upper left.
                 const float d = std::hypot(x - c, y - c);
                 return scene::CoverageOf(d - 4.6F);
               });
  canvas.FillDisc(c - 0.6F, c - 0.6F, 4.2F, Rgb(0xD8, 0xDE, 0xEC), 0.6F);
  canvas.FillDisc(c + 0.4F, c + 0.4F, 3.8F, Rgb(255, 255, 255));
  if (selected) {
    canvas.FillDisc(c, c, 2.9F, Rgb(0x10, 0x3A, 0xC8));
    canvas.FillDisc(c - 0.8F, c - 0.8F, 1.0F, Rgb(0x9C, 0xB8, 0xFF), 0.8F);
  }
  return mark;
}

gfx::Surface Icon() {
  gfx::Surface icon = Blank(kIconSize, kIconSize, Rgb(255, 255, 255));
  Canvas canvas(icon);
  const Area screen{2, 3, 30, 24};
  canvas.Shadow(screen.Offset(0.5F, 1), 3, 2.5F, 0.35F);
  canvas.FillRoundBox(screen, 3, Rgb(0x1C, 0x2C, 0x5C));
  constexpr std::array<ColorStop, 2> kSky = {
      {{0, Rgb(0x3C, 0x78, 0xD8)}, {1, Rgb(0x1A, 0x3A, 0x8A)}}};
  const Area glass = screen.Inset(2);
  canvas.Shade(glass.Snapped(), [&](float, float y) {
    return scene::ColorAlong(kSky, (y - glass.top) / glass.height(), scene::StopBlend::kLinear);
  });
  // The metal strip across the glass, bright along its middle.
  constexpr std::array<ColorStop, 5> kChrome = {{
      {0.0F, Rgb(0x9A, 0xA6, 0xBC)},
      {0.35F, Rgb(0xF4, 0xF6, 0xFA)},
      {0.5F, Rgb(0x6C, 0x78, 0x90)},
      {0.7F, Rgb(0xE6, 0xEA, 0xF2)},
      {1.0F, Rgb(0x8C, 0x98, 0xB0)},
  }};
  const gfx::Rect strip{13, static_cast<int>(glass.top), 20, static_cast<int>(glass.bottom)};
  canvas.Shade(strip, [&](float x, float) {
    return scene::ColorAlong(kChrome, (x - strip.left) / strip.Width(), scene::StopBlend::kSmooth);
  });
  // The stand.
  canvas.FillArea(Area{13, 24, 19, 27}, Rgb(0x6C, 0x78, 0x90));
  canvas.FillRoundBox(Area{8, 27, 24, 29.5F}, 1.2F, Rgb(0x4A, 0x56, 0x70));
  return icon;
}

}  // namespace corvane::dialog_art
