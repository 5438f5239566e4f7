#include <array>
#include <cmath>
#include <string_view>

#include "resources/scene/scene_parts.h"

namespace corvane::scene {

namespace {

constexpr gfx::ColorRef kWhite = gfx::Rgb(255, 255, 255);
constexpr gfx::ColorRef kBlack = gfx::Rgb(0, 0, 0);
constexpr gfx::ColorRef kAccent = gfx::Rgb(0x3a, 0x7b, 0xe8);

// Text on the wallpaper gets a dark halo one pixel down and right, so it reads on any part of the
// gradient.
void WriteOnWallpaper(Canvas& canvas, gfx::FontFace* face, float x, float y,
                      std::string_view text) {
  Write(canvas, face, x + 1, y + 1, text, gfx::Rgb(0x10, 0x18, 0x30));
  Write(canvas, face, x, y, text, kWhite);
}

void DrawFolder(Canvas& canvas, const Area& box, float u, gfx::ColorRef color) {
  const Area tab{box.left, box.top + box.height() * 0.12F, box.left + box.width() * 0.45F,
                 box.top + box.height() * 0.40F};
  const Area body{box.left, box.top + box.height() * 0.25F, box.right, box.bottom - 2 * u};
  canvas.Shadow(body.Offset(0, 2 * u), 4 * u, 4 * u, 0.25F);
  canvas.FillRoundBox(tab, 3 * u, Mix(color, kBlack, 0.18F));
  canvas.FillRoundBox(body, 4 * u, color);
  canvas.FillRoundBox({body.left, body.top, body.right, body.top + 6 * u}, 3 * u,
                      Mix(color, kWhite, 0.35F));
}

void DrawTrash(Canvas& canvas, const Area& box, float u) {
  const Area can{box.left + box.width() * 0.2F, box.top + box.height() * 0.22F,
                 box.right - box.width() * 0.2F, box.bottom - 2 * u};
  canvas.Shadow(can.Offset(0, 2 * u), 4 * u, 4 * u, 0.25F);
  canvas.FillRoundBox(can, 4 * u, gfx::Rgb(0xd8, 0xde, 0xe6));
  canvas.FillRoundBox({can.left - 3 * u, can.top - 5 * u, can.right + 3 * u, can.top}, 2 * u,
                      gfx::Rgb(0xb0, 0xb8, 0xc4));
  for (int i = 1; i <= 3; ++i) {
    const float x = can.left + can.width() * static_cast<float>(i) / 4;
    canvas.Line(x, can.top + 5 * u, x, can.bottom - 5 * u, 2 * u, gfx::Rgb(0x98, 0xa2, 0xb0));
  }
}

// A ring with a gap on its right, the mark of the start button.
void DrawStartMark(Canvas& canvas, float cx, float cy, float radius, float thickness) {
  const Area bounds{cx - radius - thickness, cy - radius - thickness, cx + radius + thickness,
                    cy + radius + thickness};
  canvas.Paint(bounds.Pixels(), kWhite, 1.0F, [&](float x, float y) {
    const float ring = std::abs(std::hypot(x - cx, y - cy) - radius) - thickness / 2;
    const float gap = std::abs(y - cy) - radius * 0.35F;
    return x > cx ? std::min(CoverageOf(ring), CoverageOf(-gap)) : CoverageOf(ring);
  });
  canvas.FillDisc(cx, cy, thickness * 0.8F, kWhite);
}

}  // namespace

void DrawDesktopIcons(Canvas& canvas, const Layout& layout, Fonts& fonts) {
  struct Icon {
    std::string_view label;
    int kind;  // 0 folder, 1 trash
    gfx::ColorRef color;
  };
  constexpr std::array<Icon, 3> kIcons = {{
      {"ホーム", 0, gfx::Rgb(0xf4, 0xc4, 0x4e)},
      {"Documents", 0, gfx::Rgb(0x5b, 0x9c, 0xf0)},
      {"ごみ箱", 1, 0},
  }};
  const float u = layout.unit;
  for (std::size_t i = 0; i < kIcons.size(); ++i) {
    const float cx = layout.U(52);
    const float top = layout.Place(0, 40, 0, 0).top + static_cast<float>(i) * layout.U(104);
    const Area box{cx - 24 * u, top, cx + 24 * u, top + 48 * u};
    if (kIcons[i].kind == 0) {
      DrawFolder(canvas, box, u, kIcons[i].color);
    } else {
      DrawTrash(canvas, box, u);
    }
    const float text_width = static_cast<float>(TextWidth(fonts.ui(), kIcons[i].label));
    WriteOnWallpaper(canvas, fonts.ui(), cx - text_width / 2, box.bottom + 6 * u, kIcons[i].label);
  }
}

void DrawTaskbar(Canvas& canvas, const Layout& layout, Fonts& fonts) {
  const float u = layout.unit;
  const float top = layout.taskbar_top;
  const float bottom = static_cast<float>(layout.height);
  const float mid = (top + bottom) / 2;
  const Area bar{0, top, static_cast<float>(layout.width), bottom};
  // Smoked glass: the wallpaper darkened, a light line along the top edge.
  canvas.FillArea(bar, gfx::Rgb(0x0c, 0x10, 0x1c), 0.72F);
  canvas.FillArea({0, top, bar.right, top + u}, kWhite, 0.18F);

  const Area start{8 * u, top + 5 * u, 42 * u, bottom - 5 * u};
  canvas.FillRoundBox(start, 7 * u, kAccent);
  canvas.FillRoundBox({start.left, start.top, start.right, mid}, 7 * u, kWhite, 0.12F);
  DrawStartMark(canvas, (start.left + start.right) / 2, mid, 8 * u, 3 * u);

  struct Task {
    std::string_view label;
    gfx::ColorRef icon;
    bool active;
  };
  constexpr std::array<Task, 4> kTasks = {{
      {"企画書.txt", gfx::Rgb(0x5b, 0x9c, 0xf0), false},
      {"売上レポート", gfx::Rgb(0x3c, 0xb3, 0x71), false},
      {"ターミナル", gfx::Rgb(0x44, 0x47, 0x5a), false},
      {"夕焼け.jpg", gfx::Rgb(0xf0, 0x8a, 0x4b), true},
  }};
  float x = 54 * u;
  for (const Task& task : kTasks) {
    const Area button{x, top + 5 * u, x + 150 * u, bottom - 5 * u};
    if (task.active) {
      canvas.FillRoundBox(button, 5 * u, kWhite, 0.16F);
      canvas.FillRoundBox(
          {button.left + 50 * u, button.bottom - 3 * u, button.right - 50 * u, button.bottom},
          1.5F * u, gfx::Rgb(0x7c, 0xb4, 0xff));
    } else {
      canvas.FillRoundBox(button, 5 * u, kWhite, 0.06F);
    }
    canvas.FillRoundBox({x + 9 * u, mid - 8 * u, x + 25 * u, mid + 8 * u}, 3 * u, task.icon);
    const gfx::FontFace* face = fonts.ui();
    const float text_top =
        face != nullptr ? mid - static_cast<float>(face->metrics().height) / 2 : 0;
    Write(canvas, fonts.ui(), x + 33 * u, text_top, task.label, gfx::Rgb(0xe8, 0xec, 0xf4));
    x += 156 * u;
  }

  // The tray: input method, network, volume, then the clock.
  const float right = bar.right - 12 * u;
  const std::string_view time = "15:42";
  const std::string_view date = "2024/05/17";
  const float clock_width =
      static_cast<float>(std::max(TextWidth(fonts.small(), time), TextWidth(fonts.small(), date)));
  const float clock_left = right - clock_width;
  const gfx::FontFace* small = fonts.small();
  const float line = small != nullptr ? static_cast<float>(small->metrics().height) : 0;
  Write(canvas, fonts.small(), clock_left + (clock_width - TextWidth(fonts.small(), time)) / 2,
        mid - line, time, gfx::Rgb(0xf0, 0xf2, 0xf8));
  Write(canvas, fonts.small(), clock_left, mid, date, gfx::Rgb(0xc8, 0xd0, 0xdc));

  float icon_x = clock_left - 26 * u;
  for (int i = 0; i < 3; ++i) {  // volume: a speaker and two arcs, drawn as bars
    canvas.FillRoundBox(
        {icon_x + static_cast<float>(i) * 5 * u, mid + 4 * u - static_cast<float>(i + 1) * 3 * u,
         icon_x + static_cast<float>(i) * 5 * u + 3 * u, mid + 5 * u},
        1 * u, kWhite, 0.85F);
  }
  icon_x -= 26 * u;
  const Area ime{icon_x - 2 * u, mid - 9 * u, icon_x + 16 * u, mid + 9 * u};
  canvas.StrokeRoundBox(ime, 3 * u, u, kWhite, 0.6F);
  const float ime_width = static_cast<float>(TextWidth(fonts.small(), "あ"));
  Write(canvas, fonts.small(), (ime.left + ime.right - ime_width) / 2, mid - line / 2, "あ",
        kWhite);
}

}  // namespace corvane::scene
