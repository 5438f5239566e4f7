#pragma once

#include <optional>
#include <string>

#include "core/effect_library.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "os/font_loader.h"
#include "resources/preview/metallic_strip.h"

namespace corvane {

// The preview picture's size: the host's standard preview pane.
inline constexpr int kPreviewWidth = 152;
inline constexpr int kPreviewHeight = 112;

// The screen the preview pretends to show, and the display's strip on it: 2560 twips at 15 twips
// per pixel, placed mid-screen.
inline constexpr int kPreviewScreenWidth = 1280;
inline constexpr int kPreviewScreenHeight = 1024;
inline constexpr int kPreviewStripWidth = 171;
inline constexpr int kPreviewStripLeft = (kPreviewScreenWidth - kPreviewStripWidth) / 2;

// Gold reads best against the scene's blue wallpaper at thumbnail size; the phase is a moment of
// the animation where the sheen sits near the middle of the strip.
inline constexpr StripLook kPreviewStripLook{4, 96, 2};

struct PreviewPictures {
  gfx::Surface plain;  // the reduced desktop alone
  gfx::Surface with_strip;
};

// Makes the preview: the desktop scene at full screen size, the strip rendered through the real
// effect library as the display renders it, then the whole screen reduced to the preview's size by
// area averaging, so the strip's rendering of text and edges survives as a tone instead of
// aliasing. The plain reduced desktop comes with it for comparison. nullopt, with the reason in
// `error`, when a surface cannot be made or the effect fails.
std::optional<PreviewPictures> MakePreviewPictures(gfx::FontLoader& fonts,
                                                   const platform::EffectLibrary& effect,
                                                   std::string& error);

}  // namespace corvane
