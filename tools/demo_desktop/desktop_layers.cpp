#include "tools/demo_desktop/desktop_layers.h"

#include <algorithm>

#include "gfx/blit.h"
#include "os/font_loader.h"
#include "resources/scene/desktop_scene.h"
#include "resources/scene/scene_parts.h"

namespace corvane {

std::optional<DesktopLayers> MakeDesktopLayers(int width, int height, gfx::FontLoader& fonts) {
  std::optional<gfx::Surface> whole = gfx::Surface::Create(width, height);
  std::optional<gfx::Surface> backdrop = gfx::Surface::Create(width, height);
  if (!whole || !backdrop) return std::nullopt;
  DrawDesktopScene(*whole, fonts);

  // The backdrop gets every part of the scene that lies outside the windows, in the scene's own
  // order, so that wherever no window covers it, it matches the scene pixel for pixel.
  const scene::Layout layout(width, height);
  scene::Fonts faces(fonts, layout);
  scene::Canvas canvas(*backdrop);
  scene::DrawWallpaper(canvas, layout);
  scene::DrawDesktopIcons(canvas, layout, faces);
  const auto windows = scene::DesktopWindows(layout);
  for (const scene::SceneWindow& window : windows) {
    scene::DrawWindowShadow(canvas, layout, window.look);
  }
  scene::DrawTaskbar(canvas, layout, faces);

  DesktopLayers layers{std::move(*backdrop), {}};
  for (const scene::SceneWindow& window : windows) {
    const gfx::Rect touched = window.look.frame.Pixels();
    const gfx::Rect bounds{std::max(touched.left, 0), std::max(touched.top, 0),
                           std::min(touched.right, width), std::min(touched.bottom, height)};
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) continue;
    std::optional<gfx::Surface> pixels =
        gfx::Surface::Create(bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (!pixels) return std::nullopt;
    gfx::Blit(*pixels, 0, 0, pixels->width(), pixels->height(), *whole, bounds.left, bounds.top);
    layers.windows.push_back({bounds, std::string(window.look.title), std::move(*pixels)});
  }
  return layers;
}

}  // namespace corvane
