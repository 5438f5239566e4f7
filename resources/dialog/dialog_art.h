#pragma once

#include <optional>

#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "os/font_loader.h"

namespace corvane::dialog_art {

// The settings dialog's artwork, drawn by code. The same fonts always give the same pixels.

inline constexpr int kBackgroundWidth = 450;
inline constexpr int kBackgroundHeight = 319;
inline constexpr int kTitleWidth = 179;
inline constexpr int kTitleHeight = 29;
inline constexpr int kMarkSize = 12;
inline constexpr int kIconSize = 32;

// The window's background: light brushed metal, darker towards the bottom, a soft sheen running
// across it the way the saver's strip does, a bevelled edge (the window has no frame of its own)
// and a groove above the row of credit, link and buttons.
gfx::Surface Background();

// The program's name as a wordmark on paper, the colour of the frame it sits in; nullopt when
// no font can be had.
std::optional<gfx::Surface> Title(gfx::FontLoader& fonts, gfx::ColorRef paper);

// A round option mark on paper (the settings panel's colour): an empty ring, or the ring with its
// dot when selected.
gfx::Surface OptionMark(bool selected, gfx::ColorRef paper);

// The program's icon: a screen with the metal strip across it.
gfx::Surface Icon();

}  // namespace corvane::dialog_art
