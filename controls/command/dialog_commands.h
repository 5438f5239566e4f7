#pragma once

#include <array>
#include <string>

#include "gfx/font.h"

namespace corvane::controls {

// What the settings dialog keeps for each of its three buttons: the entries "Caption" and "Font",
// and beside them the host's own "_extentx" and "_extenty" (HIMETRIC) for the size in twips. Every
// other entry is left at its default, so each button loads enabled, opaque, with black text.
struct StoredCommand {
  std::string name;
  std::string caption;
  gfx::FontSpec font;
  int width_twips = 0;
  int height_twips = 0;
  int extent_x = 0;
  int extent_y = 0;
};

inline const gfx::FontSpec kDialogCaptionFont{
    "ＭＳ Ｐゴシック", 9.75F, 400, false, false, false, 128};

inline const std::array<StoredCommand, 3> kDialogCommands = {{
    {"Cmd_Set", "設定", kDialogCaptionFont, 975, 375, 1720, 661},
    {"Cmd_Can", "ｷｬﾝｾﾙ", kDialogCaptionFont, 915, 375, 1614, 661},
    {"Cmd_BGM", "...", kDialogCaptionFont, 375, 315, 661, 556},
}};

}  // namespace corvane::controls
