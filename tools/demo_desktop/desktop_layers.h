#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "gfx/surface.h"
#include "os/font_loader.h"

namespace corvane {

// One application window of the demonstration desktop: where it stands on the screen, its
// caption, and the pixels it shows (its own size).
struct DesktopWindowLayer {
  gfx::Rect bounds;
  std::string caption;
  gfx::Surface pixels;
};

// The desktop scene taken apart the way a window system shows it: a backdrop over the whole
// screen (wallpaper, icons, the windows' shadows and the task bar) and the application windows,
// back to front.
//
// Each window shows the scene's pixels inside its rectangle, shadows of the windows above it
// included, so the backdrop with every window stacked over it is exactly the scene drawn whole.
// (On a screen of a few dozen pixels, where a window is narrower than its one-pixel outline, the
// outline can stray outside the window and the match is no longer exact.) Windows that do not
// reach the screen are left out.
struct DesktopLayers {
  gfx::Surface backdrop;
  std::vector<DesktopWindowLayer> windows;
};

// nullopt when a surface of that size cannot be made.
std::optional<DesktopLayers> MakeDesktopLayers(int width, int height, gfx::FontLoader& fonts);

}  // namespace corvane
