#pragma once

#include "effect/metallic_kernel.h"

namespace corvane::reference {

// Renders exactly what RenderMetallic must render, by the slow and obvious route.
void RenderMetallic(const PixelRows& source, const PixelRows& destination,
                    const MetallicLook& look);

}  // namespace corvane::reference
