#include "resources/scene/desktop_scene.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "os/font_loader.h"
#include "resources/scene/scene_parts.h"

namespace corvane {

namespace scene {

Layout::Layout(int w, int h)
    : width(w),
      height(h),
      sx(static_cast<float>(w) / kDesignWidth),
      sy(static_cast<float>(h) / kDesignHeight),
      unit(std::min(sx, sy)),
      taskbar_top(static_cast<float>(h) - std::round(44 * unit)) {}

namespace {

// Below this many pixels a face is not opened: its glyphs would be unreadable blots, and the scene
// looks better with the text left out.
constexpr int kSmallestReadableFont = 6;

std::optional<gfx::FontFace> OpenFace(gfx::FontLoader& loader, const char* face, float design_size,
                                      int weight, const Layout& layout) {
  const float pixels = std::round(design_size * layout.unit);
  if (pixels < kSmallestReadableFont) return std::nullopt;
  // At 72 dots per inch a point is a pixel, so the size asked for is the size drawn.
  const gfx::FontSpec spec{face, pixels, weight, false, false, false, 128};
  return gfx::OpenFace(loader, spec, 72);
}

}  // namespace

Fonts::Fonts(gfx::FontLoader& loader, const Layout& layout)
    : ui_(OpenFace(loader, "IPAPGothic", 13, 400, layout)),
      bold_(OpenFace(loader, "IPAPGothic", 13, 700, layout)),
      heading_(OpenFace(loader, "IPAPGothic", 19, 700, layout)),
      small_(OpenFace(loader, "IPAPGothic", 11, 400, layout)),
      mono_(OpenFace(loader, "DejaVu Sans Mono", 12, 400, layout)) {}

int TextWidth(gfx::FontFace* face, std::string_view utf8) {
  return face != nullptr ? gfx::MeasureText(*face, utf8).width : 0;
}

std::array<SceneWindow, 4> DesktopWindows(const Layout& layout) {
  // The photograph comes last: it is the active window, on top of the others.
  return {{
      {{layout.Place(110, 70, 640, 640), "企画書.txt — エディタ", "行 14、列 22　UTF-8",
        gfx::Rgb(0x5b, 0x9c, 0xf0), false},
       &DrawDocument},
      {{layout.Place(560, 130, 1210, 600), "売上レポート.csv", "シート 1　12 行 × 4 列",
        gfx::Rgb(0x3c, 0xb3, 0x71), false},
       &DrawChart},
      {{layout.Place(780, 560, 1210, 890), "ターミナル", "bash　80 × 24",
        gfx::Rgb(0x44, 0x47, 0x5a), false},
       &DrawTerminal},
      {{layout.Place(250, 420, 860, 930), "夕焼け.jpg — フォト", "1920 × 1080　100%",
        gfx::Rgb(0xf0, 0x8a, 0x4b), true},
       &DrawPhoto},
  }};
}

}  // namespace scene

void DrawDesktopScene(gfx::Surface& surface, gfx::FontLoader& loader) {
  if (surface.empty()) return;
  const scene::Layout layout(surface.width(), surface.height());
  scene::Fonts fonts(loader, layout);
  scene::Canvas canvas(surface);

  scene::DrawWallpaper(canvas, layout);
  scene::DrawDesktopIcons(canvas, layout, fonts);

  for (const scene::SceneWindow& window : scene::DesktopWindows(layout)) {
    const gfx::Rect client = scene::DrawWindowFrame(canvas, layout, fonts, window.look);
    scene::Canvas client_canvas = canvas.Clipped(client);
    window.contents(client_canvas, layout, fonts);
  }

  scene::DrawTaskbar(canvas, layout, fonts);
}

}  // namespace corvane
