#pragma once

#include <cstdint>

#include "core/effect_library.h"
#include "gfx/surface.h"

namespace corvane {

// How the strip is rendered: the effect's arguments, as the display passes them.
struct StripLook {
  std::int32_t relief = 4;
  std::int32_t phase = 0;
  std::int32_t variant = 1;
};

// Renders the columns left to left + width - 1 of the picture (clipped to it) through the effect
// library, the way the display does on every tick: the raw columns are copied to a strip surface,
// the effect draws from that strip's device context into a second one, and the result is copied
// back. Returns the effect's status (GPX_OK when the strip was rendered); the picture is unchanged
// on any failure and when the strip lies wholly outside it.
std::int32_t RenderMetallicStrip(gfx::Surface& picture, int left, int width, const StripLook& look,
                                 const platform::EffectLibrary& effect);

}  // namespace corvane
