#include <gtest/gtest.h>

#include <algorithm>
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
    made_[0] = CreateDIBSection(hdc_, &info, kDibRgbColors, &bits, 0, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    std::fill_n(pixels_, width * height, kGrey);
    made_[1] = CreatePen(kPsSolid, 1, gfx::Rgb(255, 0, 0));
    made_[2] = CreateSolidBrush(gfx::Rgb(0, 0, 255));
    old_[0] = SelectObject(hdc_, made_[0]);
    old_[1] = SelectObject(hdc_, pen ? made_[1] : GetStockObject(kNullPen));
    old_[2] = SelectObject(hdc_, brush ? made_[2] : GetStockObject(kNullBrush));
  }
  ~Canvas() {
    for (const HGDIOBJ old : old_) SelectObject(hdc_, old);
    for (const HGDIOBJ made : made_) DeleteObject(made);
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
  HGDIOBJ made_[3] = {}, old_[3] = {};
  std::uint32_t* pixels_ = nullptr;
};

// A value in hexadecimal with at least digits digits.
std::string Hex(std::uint32_t value, int digits) {
  char text[12];
  std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
  return text;
}

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
// Windows runs the colours towards the far vertex's row and cuts them; the program's own engine
// gives the last filled row the far vertex's colour and rounds, and the settings dialog's buttons
// are drawn that way.
TEST_F(DrawingCases, GradientFillsColourRowsBetweenItsVertices) {
  const struct {
    const char* name;
    int top_vertex;
    GRADIENT_RECT mesh;
    const char *expected, *ours;
  } cases[] = {
      {"gradient_down", 0, {0, 1}, "008040 206040 404040 602040", "008040 2A5540 552A40 800040"},
      {"gradient_down_indices_reversed",
       0,
       {1, 0},
       "008040 206040 404040 602040",
       "008040 2A5540 552A40 800040"},
      {"gradient_up", 1, {0, 1}, "800040 602040 404040 206040", "800040 552A40 2A5540 008040"},
  };
  for (const auto& c : cases) {
    Canvas canvas(3, 5);
    TRIVERTEX vertices[2];
    vertices[0] = {0, c.top_vertex == 0 ? 0 : 4, 0x0000, 0x8000, 0x4000, 0};
    vertices[1] = {2, c.top_vertex == 0 ? 4 : 0, 0x8000, 0x0000, 0x4000, 0};
    const BOOL result = GradientFill(canvas.hdc(), vertices, 2, &c.mesh, 1, kGradientFillRectV);
    std::string answer = std::to_string(result != 0) + "|";
    for (int y = 0; y < 4; ++y) answer += (y > 0 ? " " : "") + Hex(canvas.At(0, y) & 0xFFFFFF, 6);
    answer += "|" + Hex(canvas.At(0, 4) & 0xFFFFFF, 6) + " " + Hex(canvas.At(2, 0) & 0xFFFFFF, 6);
    const bool own = RunningEngine() == Engine::kOurs;
    Check("drawing."s + c.name, answer, "1|"s + (own ? c.ours : c.expected) + "|808080 808080",
          nullptr);
  }
}

// Results as numbers; a colour as 0xBBGGRR, the order Windows gives it in, or as the pixel in the
// bitmap.
TEST_F(DrawingCases, PixelsAreReadAndWrittenInsideTheBitmapOnly) {
  Canvas canvas(3, 2);
  const auto set = [&](int x, int y) {
    return std::to_string(SetPixelV(canvas.hdc(), x, y, gfx::Rgb(0x12, 0x34, 0x56)));
  };
  const auto get = [&](int x, int y) { return Hex(GetPixel(canvas.hdc(), x, y), 8); };
  const struct {
    const char* name;
    std::function<std::string()> run;
    const char *expected, *under_wine = nullptr;
  } cases[] = {
      {"set_pixel_last", [&] { return set(2, 1); }, "1"},
      {"set_pixel_in_the_bitmap", [&] { return Hex(canvas.At(2, 1), 8); }, "00123456"},
      {"get_pixel_last", [&] { return get(2, 1); }, "00563412"},
      {"get_pixel_first", [&] { return get(0, 0); }, "00808080"},
      // MS docs (SetPixel): the call fails for a pixel outside the clipping region; Wine 8's
      // SetPixelV reports success.
      {"set_pixel_right_of_edge", [&] { return set(3, 1); }, "0", "1"},
      {"set_pixel_left_of_edge", [&] { return set(-1, 0); }, "0", "1"},
      {"set_pixel_below_edge", [&] { return set(0, 2); }, "0", "1"},
      {"get_pixel_right_of_edge", [&] { return get(3, 0); }, "FFFFFFFF"},
      {"get_pixel_above_edge", [&] { return get(0, -1); }, "FFFFFFFF"},
      {"get_pixel_no_context", [&] { return Hex(GetPixel(0, 0, 0), 8); }, "FFFFFFFF"},
  };
  for (const auto& c : cases) {
    Check("drawing.pixel."s + c.name, c.run(), c.expected, c.under_wine);
  }
}

}  // namespace
}  // namespace corvane::conformance
