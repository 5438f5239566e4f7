#include "resources/dialog_pictures.h"

// Compiled from resources/dialog/ by the build.
extern const std::span<const unsigned char> kCorvaneDialogBackground;
extern const std::span<const unsigned char> kCorvaneDialogTitle;
extern const std::span<const unsigned char> kCorvaneMarkOff;
extern const std::span<const unsigned char> kCorvaneMarkOn;
extern const std::span<const unsigned char> kCorvaneIcon;
extern const std::span<const unsigned char> kCorvaneHandCursor;

namespace corvane {

std::span<const unsigned char> DialogBackgroundJpeg() { return kCorvaneDialogBackground; }
std::span<const unsigned char> DialogTitleGif() { return kCorvaneDialogTitle; }
std::span<const unsigned char> OptionMarkJpeg(bool selected) {
  return selected ? kCorvaneMarkOn : kCorvaneMarkOff;
}
std::span<const unsigned char> ProgramIconGif() { return kCorvaneIcon; }
std::span<const unsigned char> HandCursorFile() { return kCorvaneHandCursor; }

}  // namespace corvane
