#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "resources/scene/scene_parts.h"

namespace corvane::scene {

namespace {

constexpr gfx::ColorRef kWhite = gfx::Rgb(255, 255, 255);
constexpr gfx::ColorRef kInk = gfx::Rgb(0x2b, 0x30, 0x3a);

float LineHeight(gfx::FontFace* face, float fallback) {
  return face != nullptr ? static_cast<float>(face->metrics().height) : fallback;
}

}  // namespace

void DrawDocument(Canvas& client, const Layout& layout, Fonts& fonts) {
  const gfx::Rect r = client.clip();
  const float u = layout.unit;
  const float left = static_cast<float>(r.left);
  const float top = static_cast<float>(r.top);

  const float menu_bottom = top + 26 * u;
  client.FillRect(r, kWhite);
  client.FillArea({left, top, static_cast<float>(r.right), menu_bottom},
                  gfx::Rgb(0xf0, 0xf2, 0xf6));
  float menu_x = left + 10 * u;
  for (std::string_view item : {"ファイル", "編集", "表示", "書式", "ヘルプ"}) {
    Write(client, fonts.ui(), menu_x, top + 6 * u, item, kInk);
    menu_x += static_cast<float>(TextWidth(fonts.ui(), item)) + 18 * u;
  }

  const float gutter = 38 * u;
  client.FillArea({left, menu_bottom, left + gutter, static_cast<float>(r.bottom)},
                  gfx::Rgb(0xf4, 0xf5, 0xf8));

  enum class Style { kHeading, kBold, kBody, kLink };
  struct Line {
    Style style;
    std::string_view text;
  };
  constexpr std::array<Line, 16> kLines = {{
      {Style::kHeading, "企画書：金属の帯が流れる画面"},
      {Style::kBody, ""},
      {Style::kBold, "目的"},
      {Style::kBody, "デスクトップの画面を取り込み、金属のように輝く帯を"},
      {Style::kBody, "左右にゆっくり往復させます。BGM は MP3・WAV・音楽CD。"},
      {Style::kBody, ""},
      {Style::kBold, "Goals"},
      {Style::kBody, "• Capture the screen once, then sweep a polished strip"},
      {Style::kBody, "   across it, two pixels per tick, back and forth."},
      {Style::kBody, "• Steel, gold or copper, chosen again at every turn."},
      {Style::kBody, "• Keep the settings in one small ini file."},
      {Style::kBody, ""},
      {Style::kBold, "スケジュール"},
      {Style::kBody, "5月 設計　　6月 実装　　7月 テスト"},
      {Style::kLink, "https://example.org/corvane/notes"},
      {Style::kBody, "次回：プレビュー画像 (152 × 112) を確認する。"},
  }};
  const float step = LineHeight(fonts.ui(), 13 * u) * 1.55F;
  float y = menu_bottom + 10 * u;
  const float text_left = left + gutter + 12 * u;
  for (std::size_t i = 0; i < kLines.size(); ++i) {
    const Line& line = kLines[i];
    const std::string number = std::to_string(i + 1);
    Write(client, fonts.small(),
          left + gutter - 8 * u - static_cast<float>(TextWidth(fonts.small(), number)), y + 2 * u,
          number, gfx::Rgb(0xa0, 0xa6, 0xb2));
    switch (line.style) {
      case Style::kHeading:
        Write(client, fonts.heading(), text_left, y - 4 * u, line.text, gfx::Rgb(0x1d, 0x3a, 0x6e));
        break;
      case Style::kBold:
        Write(client, fonts.bold(), text_left, y, line.text, gfx::Rgb(0x1d, 0x3a, 0x6e));
        break;
      case Style::kLink: {
        const float width = static_cast<float>(TextWidth(fonts.ui(), line.text));
        Write(client, fonts.ui(), text_left, y, line.text, gfx::Rgb(0x1f, 0x6f, 0xd0));
        const float under = y + LineHeight(fonts.ui(), 13 * u);
        client.FillArea({text_left, under, text_left + width, under + u},
                        gfx::Rgb(0x1f, 0x6f, 0xd0));
        break;
      }
      case Style::kBody:
        if (i == 13) {
          // The line being edited: a soft highlight band and the caret at its end.
          client.FillArea({left + gutter, y - 3 * u, static_cast<float>(r.right), y + step - 3 * u},
                          gfx::Rgb(0xff, 0xf4, 0xc8));
          const float caret =
              text_left + static_cast<float>(TextWidth(fonts.ui(), line.text)) + 2 * u;
          client.FillArea({caret, y, caret + 1.5F * u, y + LineHeight(fonts.ui(), 13 * u)}, kInk);
        }
        Write(client, fonts.ui(), text_left, y, line.text, kInk);
        break;
    }
    y += step;
  }
}

void DrawChart(Canvas& client, const Layout& layout, Fonts& fonts) {
  const gfx::Rect r = client.clip();
  const float u = layout.unit;
  const float left = static_cast<float>(r.left);
  const float top = static_cast<float>(r.top);
  const float right = static_cast<float>(r.right);
  const float bottom = static_cast<float>(r.bottom);
  client.FillRect(r, kWhite);

  constexpr gfx::ColorRef kLastYear = gfx::Rgb(0x9c, 0xc3, 0xf5);
  constexpr gfx::ColorRef kThisYear = gfx::Rgb(0x2f, 0x6f, 0xde);
  constexpr gfx::ColorRef kTarget = gfx::Rgb(0xf0, 0x8a, 0x4b);
  Write(client, fonts.heading(), left + 16 * u, top + 10 * u, "月別売上（百万円）", kInk);
  struct Legend {
    std::string_view label;
    gfx::ColorRef color;
  };
  float legend_x = right - 200 * u;
  for (const Legend& legend :
       {Legend{"2023", kLastYear}, Legend{"2024", kThisYear}, Legend{"目標", kTarget}}) {
    client.FillRoundBox({legend_x, top + 17 * u, legend_x + 12 * u, top + 29 * u}, 3 * u,
                        legend.color);
    Write(client, fonts.small(), legend_x + 16 * u, top + 16 * u, legend.label, kInk);
    legend_x += 62 * u;
  }

  const Area plot{left + 50 * u, top + 50 * u, right - 20 * u, bottom - 30 * u};
  constexpr float kMax = 200;
  for (int step = 0; step <= 4; ++step) {
    const float y = plot.bottom - plot.height() * static_cast<float>(step) / 4;
    client.FillArea({plot.left, y, plot.right, y + u},
                    step == 0 ? gfx::Rgb(0x8a, 0x90, 0x9c) : gfx::Rgb(0xe4, 0xe7, 0xec));
    const std::string label = std::to_string(step * 50);
    Write(client, fonts.small(),
          plot.left - 8 * u - static_cast<float>(TextWidth(fonts.small(), label)),
          y - LineHeight(fonts.small(), 0) / 2, label, gfx::Rgb(0x70, 0x76, 0x82));
  }

  constexpr std::array<float, 12> kLast = {62, 70, 85, 78, 96, 110, 124, 118, 102, 95, 120, 150};
  constexpr std::array<float, 12> kThis = {75, 82, 98, 104, 118, 132, 150, 146, 128, 122, 148, 182};
  constexpr std::array<float, 12> kGoal = {70, 78, 90, 96, 108, 120, 135, 135, 120, 115, 140, 170};
  const float slot = plot.width() / 12;
  const float bar = slot * 0.32F;
  auto height_of = [&](float value) { return plot.bottom - plot.height() * value / kMax; };
  for (std::size_t m = 0; m < 12; ++m) {
    const float centre = plot.left + slot * (static_cast<float>(m) + 0.5F);
    client.FillRoundBox({centre - bar - u, height_of(kLast[m]), centre - u, plot.bottom + 2 * u},
                        2 * u, kLastYear);
    client.FillRoundBox({centre + u, height_of(kThis[m]), centre + bar + u, plot.bottom + 2 * u},
                        2 * u, kThisYear);
    const std::string month = std::to_string(m + 1) + "月";
    Write(client, fonts.small(), centre - static_cast<float>(TextWidth(fonts.small(), month)) / 2,
          plot.bottom + 8 * u, month, gfx::Rgb(0x70, 0x76, 0x82));
  }
  // Redraw the axis over the bars' rounded feet.
  client.FillArea({plot.left, plot.bottom, plot.right, plot.bottom + 3 * u}, kWhite);
  client.FillArea({plot.left, plot.bottom, plot.right, plot.bottom + u},
                  gfx::Rgb(0x8a, 0x90, 0x9c));
  for (std::size_t m = 0; m < 12; ++m) {
    const float x = plot.left + slot * (static_cast<float>(m) + 0.5F);
    if (m + 1 < 12) {
      client.Line(x, height_of(kGoal[m]), x + slot, height_of(kGoal[m + 1]), 2.5F * u, kTarget);
    }
    client.FillDisc(x, height_of(kGoal[m]), 4 * u, kWhite);
    client.FillDisc(x, height_of(kGoal[m]), 3 * u, kTarget);
  }
}

void DrawTerminal(Canvas& client, const Layout& layout, Fonts& fonts) {
  const gfx::Rect r = client.clip();
  const float u = layout.unit;
  client.FillRect(r, gfx::Rgb(0x1d, 0x1f, 0x28));

  constexpr gfx::ColorRef kPrompt = gfx::Rgb(0x7e, 0xe0, 0x8a);
  constexpr gfx::ColorRef kPath = gfx::Rgb(0x78, 0xb4, 0xff);
  constexpr gfx::ColorRef kText = gfx::Rgb(0xd8, 0xdc, 0xe6);
  constexpr gfx::ColorRef kDim = gfx::Rgb(0x8a, 0x90, 0xa0);
  struct Piece {
    std::string_view text;
    gfx::ColorRef color;
  };
  using Row = std::array<Piece, 3>;
  constexpr std::array<Row, 7> kRows = {{
      {{{"ami@corvane", kPrompt}, {":~/corvane$ ", kPath}, {"make run", kText}}},
      {{{"[ 33%] ", kDim}, {"Building CXX object scene", kText}, {"", 0}}},
      {{{"[ 66%] ", kDim}, {"Linking module Corvane.dll", kText}, {"", 0}}},
      {{{"[100%] ", kDim}, {"Built target Corvane.scr", kPrompt}, {"", 0}}},
      {{{"画面を取り込みました ", kText}, {"1280×1024", gfx::Rgb(0xf0, 0xc0, 0x60)}, {"", 0}}},
      {{{"", 0}, {"", 0}, {"", 0}}},
      {{{"ami@corvane", kPrompt}, {":~/corvane$ ", kPath}, {"", 0}}},
  }};
  gfx::FontFace* face = fonts.mono();
  const float step = LineHeight(face, 13 * u) * 1.35F;
  float y = static_cast<float>(r.top) + 10 * u;
  float x = 0;
  for (const Row& row : kRows) {
    x = static_cast<float>(r.left) + 12 * u;
    for (const Piece& piece : row) {
      Write(client, face, x, y, piece.text, piece.color);
      x += static_cast<float>(TextWidth(face, piece.text));
    }
    y += step;
  }
  // The block cursor waits after the last prompt.
  y -= step;
  client.FillArea({x, y, x + 8 * u, y + LineHeight(face, 13 * u)}, kText, 0.85F);
}

}  // namespace corvane::scene
