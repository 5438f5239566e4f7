#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "tests/conformance/case_check.h"
#include "tests/conformance/conformance_engine.h"
#include "winapi/gdi32.h"

namespace corvane::conformance {
namespace {

using namespace platform;
using namespace std::string_literals;

constexpr std::uint32_t kGrey = 0x808080, kRed = 0xFF0000, kBlue = 0x0000FF;

// A width x height bitmap of grey pixels in a memory context, with a red pen and a blue brush
// selected, or the null pen or brush.
class Canvas {
 public:
  Canvas(int width, int height, bool pen = true, bool brush = true)
      : width_(width), height_(height), hdc_(CreateCompatibleDC(0)) {
    BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(hdc_, &info, kDibRgbColors, &bits, 0, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels_[i] = kGrey;
    pen_ = CreatePen(kPsSolid, 1, gfx::Rgb(255, 0, 0));
    brush_ = CreateSolidBrush(gfx::Rgb(0, 0, 255));
    old_bitmap_ = SelectObject(hdc_, bitmap_);
    old_pen_ = SelectObject(hdc_, pen ? pen_ : GetStockObject(kNullPen));
    old_brush_ = SelectObject(hdc_, brush ? brush_ : GetStockObject(kNullBrush));
  }
  ~Canvas() {
    SelectObject(hdc_, old_bitmap_);
    SelectObject(hdc_, old_pen_);
    SelectObject(hdc_, old_brush_);
    DeleteObject(bitmap_);
    DeleteObject(pen_);
    DeleteObject(brush_);
    DeleteDC(hdc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC hdc() const { return hdc_; }
  std::uint32_t At(int x, int y) const { return pixels_[y * width_ + x]; }

  // Rows top to bottom, split by "/": "." grey, "o" red, "#" blue, "?" anything else.
  std::string Picture() const {
    std::string out;
    for (int y = 0; y < height_; ++y) {
      if (y > 0) out += '/';
      for (int x = 0; x < width_; ++x) {
        const std::uint32_t p = At(x, y) & 0xFFFFFF;
        out += p == kGrey ? '.' : p == kRed ? 'o' : p == kBlue ? '#' : '?';
      }
    }
    return out;
  }

 private:
  int width_, height_;
  HDC hdc_;
  HBITMAP bitmap_ = 0;
  HPEN pen_ = 0;
  HBRUSH brush_ = 0;
  HGDIOBJ old_bitmap_ = 0, old_pen_ = 0, old_brush_ = 0;
  std::uint32_t* pixels_ = nullptr;
};

class DrawingCases : public ::testing::Test {
 protected:
  EngineScope engine_;
};

TEST_F(DrawingCases, ShapesCoverLeftToRightMinusOneWithTheirOutline) {
  const struct {
    const char* name;
    int width, height;
    bool pen, brush;
    std::function<BOOL(HDC)> draw;
    const char* expected;
    // What the program's own engine draws where it is known to differ from Windows.
    const char* ours = nullptr;
  } cases[] = {
      {"rectangle_odd", 7, 5, true, true, [](HDC dc) { return Rectangle(dc, 1, 1, 6, 4); },
       "......./.ooooo./.o###o./.ooooo./......."},
      {"rectangle_corners_swapped", 7, 5, true, true,
       [](HDC dc) { return Rectangle(dc, 6, 4, 1, 1); }, "......./.ooooo./.o###o./.ooooo./......."},
      {"rectangle_clipped", 4, 3, true, true, [](HDC dc) { return Rectangle(dc, -2, -1, 3, 2); },
       "##o./ooo./...."},
      {"rectangle_null_brush", 5, 4, true, false, [](HDC dc) { return Rectangle(dc, 0, 0, 5, 4); },
       "ooooo/o...o/o...o/ooooo"},
      {"rectangle_null_pen", 5, 4, false, true, [](HDC dc) { return Rectangle(dc, 0, 0, 5, 4); },
       "####./####./####./....."},
      {"roundrect_odd", 9, 7, true, true, [](HDC dc) { return RoundRect(dc, 0, 0, 9, 7, 4, 4); },
       ".ooooooo./o#######o/o#######o/o#######o/o#######o/o#######o/.ooooooo."},
      {"roundrect_wide_corners", 11, 7, true, true,
       [](HDC dc) { return RoundRect(dc, 0, 0, 11, 7, 6, 6); },
       "..ooooooo../.o#######o./o#########o/o#########o/o#########o/.o#######o./..ooooooo..",
       ".ooooooooo./o#########o/o#########o/o#########o/o#########o/o#########o/.ooooooooo."},
      {"roundrect_null_brush", 7, 5, true, false,
       [](HDC dc) { return RoundRect(dc, 1, 0, 6, 5, 2, 2); },
       ".ooooo./.o...o./.o...o./.o...o./.ooooo."},
  };
  for (const auto& c : cases) {
    Canvas canvas(c.width, c.height, c.pen, c.brush);
    const BOOL result = c.draw(canvas.hdc());
    const bool own = RunningEngine() == Engine::kOurs && c.ours != nullptr;
    Check("drawing."s + c.name, std::to_string(result != 0) + "|" + canvas.Picture(),
          "1|"s + (own ? c.ours : c.expected), nullptr);
  }
}

// Column 0 from the top, then the last row and column, which the fill leaves alone; as 0xRRGGBB.
TEST_F(DrawingCases, GradientFillsColourRowsBetweenItsVertices) {
  const struct {
    const char* name;
    int top_vertex;
    GRADIENT_RECT mesh;
    const char* expected;
  } cases[] = {
      {"gradient_down", 0, {0, 1}, "008040 206040 404040 602040|808080 808080"},
      {"gradient_down_indices_reversed", 0, {1, 0}, "008040 206040 404040 602040|808080 808080"},
      {"gradient_up", 1, {0, 1}, "800040 602040 404040 206040|808080 808080"},
  };
  for (const auto& c : cases) {
    Canvas canvas(3, 5);
    TRIVERTEX vertices[2];
    vertices[0] = {0, c.top_vertex == 0 ? 0 : 4, 0x0000, 0x8000, 0x4000, 0};
    vertices[1] = {2, c.top_vertex == 0 ? 4 : 0, 0x8000, 0x0000, 0x4000, 0};
    const BOOL result = GradientFill(canvas.hdc(), vertices, 2, &c.mesh, 1, kGradientFillRectV);
    std::string answer = std::to_string(result != 0) + "|";
    char hex[8];
    for (int y = 0; y < 4; ++y) {
      std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(canvas.At(0, y) & 0xFFFFFF));
      answer += (y > 0 ? " " : "") + std::string(hex);
    }
    for (const auto& [x, y] : {std::pair{0, 4}, std::pair{2, 0}}) {
      std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(canvas.At(x, y) & 0xFFFFFF));
      answer += (x == 0 ? "|" : " ") + std::string(hex);
    }
    Check("drawing."s + c.name, answer, "1|"s + c.expected, nullptr);
  }
}

// Results as numbers; a colour as 0xBBGGRR, the original's order, or the pixel in the bitmap.
TEST_F(DrawingCases, PixelsAreReadAndWrittenInsideTheBitmapOnly) {
  Canvas canvas(3, 2);
  const COLORREF colour = gfx::Rgb(0x12, 0x34, 0x56);
  const auto hex = [](std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return std::string(text);
  };
  const struct {
    const char* name;
    std::function<std::string()> run;
    const char* expected;
    const char* under_wine = nullptr;
  } cases[] = {
      {"set_pixel_last", [&] { return std::to_string(SetPixelV(canvas.hdc(), 2, 1, colour)); },
       "1"},
      {"set_pixel_in_the_bitmap", [&] { return hex(canvas.At(2, 1)); }, "00123456"},
      {"get_pixel_last", [&] { return hex(GetPixel(canvas.hdc(), 2, 1)); }, "00563412"},
      {"get_pixel_first", [&] { return hex(GetPixel(canvas.hdc(), 0, 0)); }, "00808080"},
      // MS docs (SetPixel): the call fails for a pixel outside the clipping region; Wine 8's
      // SetPixelV reports success.
      {"set_pixel_right_of_edge",
       [&] { return std::to_string(SetPixelV(canvas.hdc(), 3, 1, colour)); }, "0", "1"},
      {"set_pixel_left_of_edge",
       [&] { return std::to_string(SetPixelV(canvas.hdc(), -1, 0, colour)); }, "0", "1"},
      {"set_pixel_below_edge",
       [&] { return std::to_string(SetPixelV(canvas.hdc(), 0, 2, colour)); }, "0", "1"},
      {"get_pixel_right_of_edge", [&] { return hex(GetPixel(canvas.hdc(), 3, 0)); }, "FFFFFFFF"},
      {"get_pixel_above_edge", [&] { return hex(GetPixel(canvas.hdc(), 0, -1)); }, "FFFFFFFF"},
      {"get_pixel_no_context", [&] { return hex(GetPixel(0, 0, 0)); }, "FFFFFFFF"},
  };
  for (const auto& c : cases) {
    Check("drawing.pixel."s + c.name, c.run(), c.expected, c.under_wine);
  }
}

}  // namespace
}  // namespace corvane::conformance
