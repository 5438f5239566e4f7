#include <cmath>

#include "resources/scene/scene_parts.h"

namespace corvane::scene {

namespace {

constexpr gfx::ColorRef kWhite = gfx::Rgb(255, 255, 255);

struct FrameColours {
  gfx::ColorRef title;
  gfx::ColorRef title_text;
  gfx::ColorRef glyph;
};

// The active window's title bar carries the accent colour; the others recede into light grey.
constexpr FrameColours kActive{gfx::Rgb(0x2f, 0x6f, 0xde), kWhite, kWhite};
constexpr FrameColours kInactive{gfx::Rgb(0xe4, 0xe7, 0xed), gfx::Rgb(0x4a, 0x50, 0x5c),
                                 gfx::Rgb(0x6a, 0x70, 0x7c)};

void DrawCaptionButtons(Canvas& canvas, const Area& title, float u, const FrameColours& colours) {
  const float slot = 34 * u;
  const float cy = (title.top + title.bottom) / 2;
  const float g = 5 * u;  // half the size of a glyph
  const float stroke = std::max(1.4F * u, 1.0F);
  float cx = title.right - slot / 2;
  canvas.Line(cx - g, cy - g, cx + g, cy + g, stroke, colours.glyph);
  canvas.Line(cx - g, cy + g, cx + g, cy - g, stroke, colours.glyph);
  cx -= slot;
  canvas.StrokeRoundBox({cx - g, cy - g, cx + g, cy + g}, u, stroke, colours.glyph);
  cx -= slot;
  canvas.Line(cx - g, cy, cx + g, cy, stroke, colours.glyph);
}

}  // namespace

void DrawWindowShadow(Canvas& canvas, const Layout& layout, const WindowLook& window) {
  const float u = layout.unit;
  canvas.Shadow(window.frame.Offset(0, 8 * u), 8 * u, 26 * u, window.active ? 0.50F : 0.34F);
}

gfx::Rect DrawWindowFrame(Canvas& canvas, const Layout& layout, Fonts& fonts,
                          const WindowLook& window) {
  const float u = layout.unit;
  const Area& frame = window.frame;
  const float radius = 8 * u;
  const FrameColours& colours = window.active ? kActive : kInactive;

  DrawWindowShadow(canvas, layout, window);
  canvas.FillRoundBox(frame, radius, gfx::Rgb(0xf6, 0xf7, 0xf9));

  const float title_bottom = frame.top + 34 * u;
  const Area title{frame.left, frame.top, frame.right, title_bottom};
  Canvas title_canvas = canvas.Clipped(title.Pixels());
  title_canvas.FillRoundBox(frame, radius, colours.title);
  // A sheen on the upper half makes the bar read as a raised surface.
  title_canvas.FillRoundBox({frame.left, frame.top, frame.right, (frame.top + title_bottom) / 2},
                            radius, kWhite, window.active ? 0.10F : 0.35F);
  canvas.FillArea({frame.left, title_bottom - u, frame.right, title_bottom}, gfx::Rgb(0, 0, 0),
                  0.12F);

  const float icon = 16 * u;
  const float icon_left = frame.left + 12 * u;
  const float mid = (frame.top + title_bottom) / 2;
  canvas.FillRoundBox({icon_left, mid - icon / 2, icon_left + icon, mid + icon / 2}, 3 * u,
                      window.icon);
  canvas.FillRoundBox({icon_left, mid - icon / 2, icon_left + icon, mid}, 3 * u, kWhite, 0.25F);
  if (gfx::FontFace* face = fonts.bold(); face != nullptr) {
    Canvas text =
        canvas.Clipped(Area{frame.left, frame.top, frame.right - 110 * u, title_bottom}.Pixels());
    Write(text, face, icon_left + icon + 8 * u,
          mid - static_cast<float>(face->metrics().height) / 2, window.title, colours.title_text);
  }
  DrawCaptionButtons(canvas, title, u, colours);

  const float status_top = frame.bottom - 24 * u;
  canvas.Clipped(Area{frame.left, status_top, frame.right, frame.bottom}.Pixels())
      .FillRoundBox(frame, radius, gfx::Rgb(0xe9, 0xec, 0xf1));
  canvas.FillArea({frame.left, status_top, frame.right, status_top + u}, gfx::Rgb(0, 0, 0), 0.10F);
  if (gfx::FontFace* face = fonts.small(); face != nullptr) {
    Write(canvas, face, frame.left + 12 * u,
          (status_top + frame.bottom - static_cast<float>(face->metrics().height)) / 2,
          window.status, gfx::Rgb(0x5a, 0x60, 0x6c));
  }

  const float border = std::max(u, 1.0F);
  canvas.StrokeRoundBox(frame, radius, border, gfx::Rgb(0x10, 0x18, 0x28),
                        window.active ? 0.55F : 0.30F);

  return Area{frame.left + border, title_bottom, frame.right - border, status_top}.Snapped();
}

}  // namespace corvane::scene
