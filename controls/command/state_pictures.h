#pragma once

#include <array>

#include "controls/command/face_state.h"
#include "gfx/color.h"
#include "gfx/surface.h"

namespace corvane::controls {

// The colour of the dialog the buttons sit on; the pictures blend into it at their corners.
inline constexpr gfx::ColorRef kDialogColour = gfx::Rgb(236, 233, 216);

// The six state pictures, indexed by StatePicture, each kStatePictureWidth x kStatePictureHeight.
using StatePictures = std::array<gfx::Surface, kStatePictureCount>;

// Draws one state picture: a whole button with corners rounded over three pixels, an outline one
// pixel in, a soft shade ring around it and the state's inner ring. Anti-aliased by supersampling,
// so the corners carry blended outline colours. The same picture always gives the same pixels.
gfx::Surface DrawStatePicture(StatePicture picture);

// All six, drawn once when a button is created; they are small enough not to be worth storing.
StatePictures DrawStatePictures();

}  // namespace corvane::controls
