#pragma once

#include <cstdint>
#include <span>

namespace corvane::platform {

// The system's decoders give a partly grey or partly blank picture for a file cut short, where the
// program's other decoders give none; these walks of the files' block structure tell such files
// apart before decoding, so every system refuses the same files.

// True when the JPEG data runs from its start marker through every segment and scan to its end
// marker.
bool JpegIsWhole(std::span<const std::uint8_t> data);

// Where a GIF's first frame lies on its logical screen, and whether it has colours and a
// transparent colour index, read from the blocks up to and including the frame's data.
struct GifLayout {
  int screen_width = 0;
  int screen_height = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int transparent_index = -1;   // -1 for none
  bool has_colours = false;     // a global or local colour table
  const char* error = nullptr;  // why the file is not usable; the fields are then meaningless
};
GifLayout ReadGifLayout(std::span<const std::uint8_t> data);

}  // namespace corvane::platform
