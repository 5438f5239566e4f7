#include "resources/preview/preview_maker.h"

#include <algorithm>

#include "gfx/blit.h"
#include "os/font_loader.h"
#include "resources/scene/area_reduce.h"
#include "resources/scene/desktop_scene.h"

namespace corvane {

std::optional<PreviewPictures> MakePreviewPictures(gfx::FontLoader& fonts,
                                                   const platform::EffectLibrary& effect,
                                                   std::string& error) {
  std::optional<gfx::Surface> screen =
      gfx::Surface::Create(kPreviewScreenWidth, kPreviewScreenHeight);
  std::optional<gfx::Surface> capture =
      gfx::Surface::Create(kPreviewScreenWidth, kPreviewScreenHeight);
  if (!screen || !capture) {
    error = "out of memory for the desktop scene";
    return std::nullopt;
  }
  DrawDesktopScene(*capture, fonts);
  gfx::Blit(*screen, 0, 0, screen->width(), screen->height(), *capture, 0, 0);

  const std::int32_t status = RenderMetallicStrip(*screen, kPreviewStripLeft, kPreviewStripWidth,
                                                  kPreviewStripLook, effect);
  if (status != GPX_OK) {
    error = "the metallic effect failed with status " + std::to_string(status);
    return std::nullopt;
  }

  std::optional<gfx::Surface> plain = ReduceByArea(*capture, kPreviewWidth, kPreviewHeight);
  std::optional<gfx::Surface> with_strip = ReduceByArea(*screen, kPreviewWidth, kPreviewHeight);
  if (!plain || !with_strip) {
    error = "out of memory for the preview";
    return std::nullopt;
  }
  return PreviewPictures{std::move(*plain), std::move(*with_strip)};
}

}  // namespace corvane
