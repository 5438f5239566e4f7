#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace corvane {

// A strip of a made-up desktop, 0x00RRGGBB rows without padding: a window caption, a page of text,
// a rainbow, a grey ramp, a sky with a sun, and icons on black. It holds the things a metallic
// rendering must keep readable: hard edges, small glyph-like marks, and smooth gradients.
inline std::vector<std::uint32_t> DesktopPattern(int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  auto rgb = [](int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); };
  for (int y = 0; y < height; ++y) {
    const int band = y * 12 / height;  // twelve bands of equal height
    const int band_top = (band * height + 11) / 12;
    const int in_band = y - band_top;
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = 0;
      switch (band) {
        case 0: {  // caption bar with white title marks
          p = rgb(10, 36 + x * 80 / width, 106 + x * 120 / width);
          const bool mark = in_band > 10 && in_band < 22 && x > 8 && (x / 7) % 3 != 2;
          if (mark) p = rgb(255, 255, 255);
          break;
        }
        case 1:
        case 2:
        case 3: {  // white page with lines of dark glyphs
          p = rgb(250, 250, 246);
          const int line = (y - band_top) % 18;
          const int word = (x * 7 + (y / 18) * 13) % 53;
          if (line > 4 && line < 14 && x > 6 && word < 40 && (x % 6) != 0) p = rgb(20, 20, 24);
          break;
        }
        case 4:  // rainbow across the strip
        {
          const int h = x * 1536 / width;
          const int seg = h / 256;
          const int f = h % 256;
          const int rgbs[6][3] = {{255, f, 0},       {255 - f, 255, 0}, {0, 255, f},
                                  {0, 255 - f, 255}, {f, 0, 255},       {255, 0, 255 - f}};
          p = rgb(rgbs[seg][0], rgbs[seg][1], rgbs[seg][2]);
          break;
        }
        case 5: {  // grey ramp, black at the top of the band to white at its bottom
          const int v = in_band * 255 / std::max(height / 12 - 1, 1);
          p = rgb(std::min(v, 255), std::min(v, 255), std::min(v, 255));
          break;
        }
        case 6:
        case 7:
        case 8: {  // sky with a sun
          const int sky_y = y - (6 * height + 11) / 12;
          p = rgb(90 + sky_y * 120 / (height / 4 + 1), 150 + sky_y * 80 / (height / 4 + 1), 235);
          const int dx = x - width * 2 / 3;
          const int dy = sky_y - height / 10;
          if (dx * dx + dy * dy < (width / 6) * (width / 6)) p = rgb(255, 236, 120);
          break;
        }
        default: {  // icons on black
          const bool icon =
              (x % 48) > 8 && (x % 48) < 40 && (in_band % 48) > 6 && (in_band % 48) < 38;
          const int which = (x / 48 + in_band / 48) % 3;
          p = icon ? (which == 0   ? rgb(220, 60, 40)
                      : which == 1 ? rgb(60, 180, 80)
                                   : rgb(240, 200, 40))
                   : rgb(0, 0, 0);
          break;
        }
      }
      pixels[static_cast<std::size_t>(y) * width + x] = p;
    }
  }
  return pixels;
}

}  // namespace corvane
