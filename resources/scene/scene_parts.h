#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "gfx/font.h"
#include "gfx/text.h"
#include "os/font_loader.h"
#include "resources/scene/canvas.h"

namespace corvane::scene {

// The scene is designed on a 1280 x 1024 screen and stretched to the real size: positions follow
// the width and height separately, while thicknesses, radii and text follow the smaller of the two
// factors so that nothing becomes lopsided on a wide screen.
struct Layout {
  static constexpr float kDesignWidth = 1280;
  static constexpr float kDesignHeight = 1024;

  Layout(int width, int height);

  // A rectangle given in design coordinates, on the real screen.
  Area Place(float left, float top, float right, float bottom) const {
    return {left * sx, top * sy, right * sx, bottom * sy};
  }
  // A thickness or size given in design pixels, on the real screen.
  float U(float design_pixels) const { return design_pixels * unit; }

  int width;
  int height;
  float sx;
  float sy;
  float unit;
  float taskbar_top;
};

// The faces the scene writes with, opened at its scale. A face whose size would be too small to
// read is not opened: text in it is left out rather than drawn as smudges.
class Fonts {
 public:
  Fonts(gfx::FontLoader& loader, const Layout& layout);

  gfx::FontFace* ui() { return Face(ui_); }
  gfx::FontFace* bold() { return Face(bold_); }
  gfx::FontFace* heading() { return Face(heading_); }
  gfx::FontFace* small() { return Face(small_); }
  gfx::FontFace* mono() { return Face(mono_); }

 private:
  static gfx::FontFace* Face(std::optional<gfx::FontFace>& face) { return face ? &*face : nullptr; }

  std::optional<gfx::FontFace> ui_;
  std::optional<gfx::FontFace> bold_;
  std::optional<gfx::FontFace> heading_;
  std::optional<gfx::FontFace> small_;
  std::optional<gfx::FontFace> mono_;
};

// Writes one line when the face exists.
inline void Write(Canvas& canvas, gfx::FontFace* face, float x, float y, std::string_view utf8,
                  gfx::ColorRef color) {
  if (face != nullptr) canvas.Text(*face, static_cast<int>(x), static_cast<int>(y), utf8, color);
}

// The width of a line in a face, 0 without one.
int TextWidth(gfx::FontFace* face, std::string_view utf8);

// A window as the scene shows it.
struct WindowLook {
  Area frame;
  std::string_view title;
  std::string_view status;  // the line in the status bar along the bottom edge
  gfx::ColorRef icon;
  bool active;
};

void DrawWallpaper(Canvas& canvas, const Layout& layout);
void DrawDesktopIcons(Canvas& canvas, const Layout& layout, Fonts& fonts);
void DrawTaskbar(Canvas& canvas, const Layout& layout, Fonts& fonts);

// Draws the soft shadow a window casts: everything DrawWindowFrame paints outside the window.
void DrawWindowShadow(Canvas& canvas, const Layout& layout, const WindowLook& window);

// Draws the shadow, frame, title bar and status bar of a window and returns its client area in
// pixels: the part between the two bars, inside the border.
gfx::Rect DrawWindowFrame(Canvas& canvas, const Layout& layout, Fonts& fonts,
                          const WindowLook& window);

// Window contents; each draws into a canvas clipped to the client area it is given.
void DrawDocument(Canvas& client, const Layout& layout, Fonts& fonts);
void DrawChart(Canvas& client, const Layout& layout, Fonts& fonts);
void DrawPhoto(Canvas& client, const Layout& layout, Fonts& fonts);
void DrawTerminal(Canvas& client, const Layout& layout, Fonts& fonts);

// An application window of the scene: its frame and what its client area shows.
struct SceneWindow {
  WindowLook look;
  void (*contents)(Canvas& client, const Layout& layout, Fonts& fonts);
};

// The scene's windows on the layout's screen, back to front; the last one is the active window.
std::array<SceneWindow, 4> DesktopWindows(const Layout& layout);

}  // namespace corvane::scene
