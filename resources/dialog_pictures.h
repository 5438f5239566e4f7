#pragma once

#include <span>

namespace corvane {

// The settings dialog's pictures built into the program (resources/dialog/, made by
// make_dialog_art; see resources/README.md), as the files they were stored in.
std::span<const unsigned char> DialogBackgroundJpeg();         // 450 x 319
std::span<const unsigned char> DialogTitleGif();               // 179 x 29
std::span<const unsigned char> OptionMarkJpeg(bool selected);  // 12 x 12
std::span<const unsigned char> ProgramIconGif();               // 32 x 32
// The link's pointing hand (resources/cursor_file.h).
std::span<const unsigned char> HandCursorFile();

}  // namespace corvane
